kexbora_add_tests(ledger kexbora_ledger
  SUPPORT
    inoutfixture.cpp
    inoutfixture.h
    loopbackserver.cpp
    loopbackserver.h
    pagedriver.h
    recordingprompter.cpp
    recordingprompter.h
    templedger.cpp
    templedger.h
    testfiles.cpp
    testfiles.h
    webpanestub.h
  TESTS
    tst_appfilter
    tst_backuppage
    tst_csvexport
    tst_db
    tst_dbbackup
    tst_des
    tst_externaltools
    tst_inoutpage
    tst_investcalc
    tst_login
    tst_mainwindow
    tst_modifypwd
    tst_moneytext
    tst_mortgagecalc
    tst_network
    tst_paramedit
    tst_programskin
    tst_recordlist
    tst_recordpage
    tst_reg
    tst_savingscalc
    tst_schema
    tst_skinnedwindows
    tst_startup
    tst_statpage
    tst_statsqueries
    tst_tfrmdm
    tst_untpub
    tst_updatechecker
)
if(TARGET tst_skinnedwindows)
  target_link_libraries(tst_skinnedwindows PRIVATE kexbora_test_support_skin)
endif()

# End-to-end run of the real program under a virtual display (xvfb-run, xdotool, sqlcipher).
find_program(KEXBORA_XVFB_RUN xvfb-run)
find_program(KEXBORA_XDOTOOL xdotool)
find_program(KEXBORA_SQLCIPHER_CLI sqlcipher)
if(TARGET kexbora AND KEXBORA_XVFB_RUN AND KEXBORA_XDOTOOL AND KEXBORA_SQLCIPHER_CLI)
  add_test(NAME ledger/e2e_login
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/e2e_login.sh $<TARGET_FILE:kexbora>
                   ${KEXBORA_DATA_DIR}/init.db ${KEXBORA_OTHER_DIR}/1.html)
  set_tests_properties(ledger/e2e_login PROPERTIES TIMEOUT 150 RUN_SERIAL TRUE)
else()
  message(STATUS "ledger/e2e_login left out: needs xvfb-run, xdotool and sqlcipher")
endif()

# Income records end to end: sign up, log in, add an income record, the list and its total,
# CSV export (same tools, plus python3 for reading the CSV).
find_program(KEXBORA_PYTHON3 python3)
if(TARGET kexbora AND KEXBORA_XVFB_RUN AND KEXBORA_XDOTOOL AND KEXBORA_SQLCIPHER_CLI
   AND KEXBORA_PYTHON3)
  add_test(NAME ledger/e2e_records
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/e2e_records.sh $<TARGET_FILE:kexbora>
                   ${KEXBORA_DATA_DIR}/init.db ${KEXBORA_OTHER_DIR}/1.html)
  set_tests_properties(ledger/e2e_records PROPERTIES TIMEOUT 150 RUN_SERIAL TRUE)
else()
  message(STATUS "ledger/e2e_records left out: needs xvfb-run, xdotool, sqlcipher and python3")
endif()

# Calculators end to end: the three pages from the top bar, results on screen, screenshots of
# each into build/screenshots/ (same tools, plus ImageMagick's import and compare).
find_program(KEXBORA_IMPORT import)
find_program(KEXBORA_COMPARE compare)
if(TARGET kexbora AND KEXBORA_XVFB_RUN AND KEXBORA_XDOTOOL AND KEXBORA_IMPORT AND KEXBORA_COMPARE)
  add_test(NAME ledger/e2e_calculators
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/e2e_calculators.sh $<TARGET_FILE:kexbora>
                   ${KEXBORA_DATA_DIR}/init.db ${KEXBORA_OTHER_DIR}/1.html)
  set_tests_properties(ledger/e2e_calculators PROPERTIES
                       TIMEOUT 150 RUN_SERIAL TRUE
                       ENVIRONMENT "E2E_SHOTS=${CMAKE_BINARY_DIR}/screenshots")
else()
  message(STATUS "ledger/e2e_calculators left out: needs xvfb-run, xdotool and ImageMagick")
endif()
