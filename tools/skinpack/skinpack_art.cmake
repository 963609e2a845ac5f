# skinpack_art: everything of skinpack but main.cpp (art, writers, commands), also linked by the
# tests and by the fuzz build's sanitized tests.
set(skinpack_dir ${CMAKE_CURRENT_LIST_DIR})
add_library(skinpack_art STATIC
    ${skinpack_dir}/bmpfile.cpp
    ${skinpack_dir}/bmpfile.h
    ${skinpack_dir}/controlart.cpp
    ${skinpack_dir}/controlart.h
    ${skinpack_dir}/fieldart.cpp
    ${skinpack_dir}/fieldart.h
    ${skinpack_dir}/frameart.cpp
    ${skinpack_dir}/frameart.h
    ${skinpack_dir}/generatecommand.cpp
    ${skinpack_dir}/generatecommand.h
    ${skinpack_dir}/imagekit.cpp
    ${skinpack_dir}/imagekit.h
    ${skinpack_dir}/iniwriter.cpp
    ${skinpack_dir}/iniwriter.h
    ${skinpack_dir}/packcommands.cpp
    ${skinpack_dir}/packcommands.h
    ${skinpack_dir}/preview.cpp
    ${skinpack_dir}/preview.h
    ${skinpack_dir}/scrollart.cpp
    ${skinpack_dir}/scrollart.h
    ${skinpack_dir}/skinlayout.cpp
    ${skinpack_dir}/skinlayout.h
    ${skinpack_dir}/theme.h
)
target_include_directories(skinpack_art PUBLIC ${skinpack_dir})
target_link_libraries(skinpack_art PUBLIC kexbora_skin kexbora_common Qt6::Core Qt6::Gui)
target_link_libraries(skinpack_art PRIVATE kexbora_code_rules)
