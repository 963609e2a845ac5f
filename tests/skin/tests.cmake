# Links for the tests of our skin, and (run with -DSKINPACK=... -DWORK=... -P) the round trip
# of skinpack: generate, list, unpack, pack and unpack again, every entry byte for byte.

if(CMAKE_SCRIPT_MODE_FILE)
  function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
    endif()
    set(run_output "${out}" PARENT_SCOPE)
  endfunction()
  function(same_files a b)
    file(SHA256 ${a} ha)
    file(SHA256 ${b} hb)
    if(NOT ha STREQUAL hb)
      message(FATAL_ERROR "${a} and ${b} differ")
    endif()
  endfunction()

  set(ENV{QT_QPA_PLATFORM} offscreen)
  file(REMOVE_RECURSE ${WORK})
  file(MAKE_DIRECTORY ${WORK})
  run(${SKINPACK} generate --out ${WORK}/a.skn --dump-dir ${WORK}/dump)
  file(GLOB dumped RELATIVE ${WORK}/dump ${WORK}/dump/*)
  list(LENGTH dumped count)
  if(count LESS 40)
    message(FATAL_ERROR "only ${count} files dumped")
  endif()

  run(${SKINPACK} list ${WORK}/a.skn)
  if(NOT run_output MATCHES "20000")
    message(FATAL_ERROR "list shows no version 20000:\n${run_output}")
  endif()
  foreach(name ${dumped})
    file(SIZE ${WORK}/dump/${name} size)
    if(NOT run_output MATCHES "(^|\n)${name}[ \t:]+${size}[ \t]*(\n|$)")
      message(FATAL_ERROR "list does not show ${name} with size ${size}:\n${run_output}")
    endif()
  endforeach()

  run(${SKINPACK} unpack ${WORK}/a.skn ${WORK}/unpacked)
  file(GLOB unpacked RELATIVE ${WORK}/unpacked ${WORK}/unpacked/*)
  list(LENGTH unpacked ucount)
  if(NOT ucount EQUAL count)
    message(FATAL_ERROR "unpack wrote ${ucount} files, expected ${count}")
  endif()
  run(${SKINPACK} pack ${WORK}/unpacked ${WORK}/b.skn)
  run(${SKINPACK} unpack ${WORK}/b.skn ${WORK}/again)
  foreach(name ${dumped})
    same_files(${WORK}/dump/${name} ${WORK}/unpacked/${name})
    same_files(${WORK}/dump/${name} ${WORK}/again/${name})
  endforeach()

  message(STATUS "skinpack round trip: ${count} entries identical")
  return()
endif()

kexbora_add_tests(skin kexbora_skin
  SUPPORT
    classic_lzhuf.cpp
    classic_lzhuf.h
    samplebytes.cpp
    samplebytes.h
    skinnedwidgets.cpp
    skinnedwidgets.h
    testskin.cpp
    testskin.h
    windowfixture.cpp
    windowfixture.h
  TESTS
    tst_bitmaputils
    tst_captionbuttons
    tst_controldraw
    tst_drawprimitives
    tst_drawprimitiveskeyed
    tst_framepaint
    tst_framerules
    tst_gradient
    tst_lzhuf
    tst_ourskin
    tst_ourskinart
    tst_packcommands
    tst_quickini
    tst_skinboxes
    tst_skinbuttons
    tst_skincheckradio
    tst_skincombos
    tst_skincontrollayer
    tst_skindialogs
    tst_skindata
    tst_skindrawtext
    tst_skinedits
    tst_skinfacefill
    tst_skinlists
    tst_skinmanage
    tst_skinmediaplayer
    tst_skinmenubar
    tst_skinmdi
    tst_skinmenus
    tst_skinobjects
    tst_skinproportions
    tst_skinreader
    tst_skinstyle
    tst_skinsweep
    tst_skintabs
    tst_skintrackbar
    tst_tcontrolwalk
    tst_tskincontrol
    tst_winskinform
)

# A window with a skinned menu bar, for the menu bar's end-to-end run.
add_executable(skin_menubar_window ${CMAKE_CURRENT_LIST_DIR}/menubarwindow.cpp)
target_link_libraries(skin_menubar_window PRIVATE kexbora_test_support_skin)
set_target_properties(skin_menubar_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                     ${CMAKE_BINARY_DIR}/tests/bin)

# Skinned message boxes shown again and grown while shown, and a window with a modal dialog, for
# the dialogs' end-to-end run.
add_executable(skin_dialog_window ${CMAKE_CURRENT_LIST_DIR}/dialogwindow.cpp)
target_link_libraries(skin_dialog_window PRIVATE kexbora_test_support_skin)
set_target_properties(skin_dialog_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                    ${CMAKE_BINARY_DIR}/tests/bin)

# A program that ends with skinned windows (an MDI frame among them) still alive: it must exit
# with status 0, with its event loop run and quit, and without it.
add_executable(skin_exit_window ${CMAKE_CURRENT_LIST_DIR}/exitwindow.cpp)
target_link_libraries(skin_exit_window PRIVATE kexbora_test_support_skin)
set_target_properties(skin_exit_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                  ${CMAKE_BINARY_DIR}/tests/bin)
foreach(mode exec return)
  add_test(NAME skin/exit_alive_${mode} COMMAND skin_exit_window --${mode})
  set_tests_properties(skin/exit_alive_${mode} PROPERTIES ENVIRONMENT "${KEXBORA_TEST_ENV}"
                       TIMEOUT 60)
endforeach()

# The skin engine's test window: an MDI frame with two children above a tab set, skinned with
# the program's skin as the program's windows are, for the MDI end-to-end run.
add_executable(skin_mdi_window ${CMAKE_CURRENT_LIST_DIR}/mdiwindow.cpp)
target_link_libraries(skin_mdi_window PRIVATE kexbora_test_support_skin kexbora_skin_resource)
set_target_properties(skin_mdi_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                 ${CMAKE_BINARY_DIR}/tests/bin)

if(TARGET tst_ourskin)
  target_link_libraries(tst_ourskin PRIVATE kexbora_skin_resource)
  target_compile_definitions(tst_ourskin PRIVATE SKINPACK_EXECUTABLE="$<TARGET_FILE:skinpack>")
  add_dependencies(tst_ourskin skinpack)
endif()
if(TARGET tst_skintabs)
  target_link_libraries(tst_skintabs PRIVATE kexbora_skin_resource)
  target_compile_definitions(tst_skintabs PRIVATE SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots")
endif()
if(TARGET tst_skinproportions)
  target_compile_definitions(tst_skinproportions
                             PRIVATE SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots")
endif()
if(TARGET tst_ourskinart)
  target_link_libraries(tst_ourskinart PRIVATE skinpack_art)
endif()
if(TARGET tst_packcommands)
  target_link_libraries(tst_packcommands PRIVATE skinpack_art)
endif()

add_test(NAME skin/skinpack_roundtrip
         COMMAND ${CMAKE_COMMAND} -DSKINPACK=$<TARGET_FILE:skinpack>
                 -DWORK=${CMAKE_BINARY_DIR}/tests/skinpack_roundtrip
                 -P ${CMAKE_CURRENT_LIST_FILE})
set_tests_properties(skin/skinpack_roundtrip PROPERTIES ENVIRONMENT "${KEXBORA_TEST_ENV}"
                     TIMEOUT 300)

# skin_e2e(<name> <timeout> <arguments>...): tests/skin/<name>.sh run alone with the arguments.
# The runs of the real program take it, its template, its page and the screenshot folder.
function(skin_e2e name timeout)
  add_test(NAME skin/${name} COMMAND bash ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${name}.sh ${ARGN})
  set_tests_properties(skin/${name} PROPERTIES TIMEOUT ${timeout} RUN_SERIAL TRUE)
endfunction()
set(program_run $<TARGET_FILE:kexbora> ${KEXBORA_DATA_DIR}/init.db ${KEXBORA_OTHER_DIR}/1.html
                ${CMAKE_BINARY_DIR}/screenshots)

# The skinned windows of the real program end to end, under openbox and without a window
# manager; screenshots go into build/screenshots/.
skin_e2e(e2e_window 180 ${program_run})

# The skinned login window under the Wayland compositor weston (headless, then inside Xvfb so
# that xdotool's pointer drags it): no key colour, exact moves by the caption, a press that
# closes the system menu asks for no pointer grab; screenshots go into build/screenshots/.
skin_e2e(e2e_wayland 120 ${program_run})

# The skinned menus of the real program end to end under openbox: a text field's context menu
# and the main window's system menu, screenshots into build/screenshots/.
skin_e2e(e2e_menus 120 ${program_run})

# The real pointer on the skinned frames of the real program under openbox: clicks that close
# the system menu, the caption buttons at rest after maximizing and restoring; a screenshot
# into build/screenshots/.
skin_e2e(e2e_pointer 120 ${program_run})

# The keys into a skinned menu bar and its buttons' highlight under openbox, on a test window
# with a bar, also Alt held over a click or drag the window manager takes; a screenshot into
# build/screenshots/.
skin_e2e(e2e_menubar 120 $<TARGET_FILE:skin_menubar_window> ${CMAKE_BINARY_DIR}/screenshots)

# Skinned MDI under openbox on the engine's test window: children drawn active and inactive, a
# caption drag, the MDI buttons of a maximized child in the menu bar, restore and close from
# there; then the window unskinned; screenshots into build/screenshots/.
skin_e2e(e2e_mdi 120 $<TARGET_FILE:skin_mdi_window> ${CMAKE_BINARY_DIR}/screenshots)

# Skinned dialogs: under openbox, at device pixel ratios 1 and 2, one whose text grows just after
# it maps stays centred, boxes shown again open where they first did, a box moved and then grown
# keeps its centre; without a window manager, a closed modal dialog leaves its window active;
# screenshots into build/screenshots/.
skin_e2e(e2e_dialogs 120 $<TARGET_FILE:skin_dialog_window> ${CMAKE_BINARY_DIR}/screenshots)

# The skinned controls of the real program end to end: the income page's list and entry form
# with their skins, screenshots into build/screenshots/.
add_test(NAME skin/e2e_controls
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/e2e_controls.sh $<TARGET_FILE:kexbora>
                 ${KEXBORA_DATA_DIR}/init.db ${KEXBORA_OTHER_DIR}/1.html)
set_tests_properties(skin/e2e_controls PROPERTIES
                     TIMEOUT 150 RUN_SERIAL TRUE
                     ENVIRONMENT "E2E_SHOTS=${CMAKE_BINARY_DIR}/screenshots")

# The skinned controls' states end to end under openbox: digits after a click into a date, the
# combos' borders after their drop-down lists, the focus cue of a tab bar; screenshots into
# build/screenshots/.
skin_e2e(e2e_controlstates 150 ${program_run})
