kexbora_add_tests(ledger kexbora_ledger
  SUPPORT
    accountledger.cpp
    accountledger.h
    inoutfixture.cpp
    inoutfixture.h
    loopbackserver.cpp
    loopbackserver.h
    pagedriver.h
    recordingprompter.cpp
    recordingprompter.h
    recordpagefixture.cpp
    recordpagefixture.h
    templedger.cpp
    templedger.h
    testfiles.cpp
    testfiles.h
    urlcatcher.h
    webpanestub.h
  TESTS
    tst_accountdata
    tst_accountdialogs
    tst_appfilter
    tst_atomicwrite
    tst_balances
    tst_bankpage
    tst_backuprestorepage
    tst_csvexport
    tst_datefield
    tst_db
    tst_dbbackup
    tst_des
    tst_externaltools
    tst_firststart
    tst_gbktext
    tst_inoutpage
    tst_inoutrecords
    tst_investcalc
    tst_lazywebpane
    tst_login
    tst_lookuplists
    tst_maintenanceforms
    tst_mainwindow
    tst_modifypwd
    tst_moneytext
    tst_mortgagecalc
    tst_movementpages
    tst_network
    tst_pagetour
    tst_paramedit
    tst_programskin
    tst_qttranslations
    tst_recordlist
    tst_recordpage
    tst_reg
    tst_savingscalc
    tst_schema
    tst_skinnedwindows
    tst_startup
    tst_statisticspage
    tst_statsqueries
    tst_tfrmdm
    tst_untpub
    tst_updatechecker
    tst_users
)
if(TARGET tst_skinnedwindows)
  target_link_libraries(tst_skinnedwindows PRIVATE kexbora_test_support_skin)
endif()
# The tour saves its shots beside the end-to-end runs' screenshots.
set_tests_properties(ledger/tst_pagetour PROPERTIES ENVIRONMENT
                     "${KEXBORA_TEST_ENV};KEXBORA_SHOTS=${CMAKE_BINARY_DIR}/screenshots/tour")

# Sign-up, login and a password change by Enter on the focused buttons (build/screenshots/login/);
# under openbox, income records (add, list, total, CSV export, an amount too large refused;
# build/screenshots/records/); the three calculator pages
# from the top bar with screenshots of each into build/screenshots/; accounts (two accounts,
# an income, a transfer, a loan, a reconciliation, the history and the summary) with
# screenshots into build/screenshots/accounts/; statistics, backup and restore; under openbox,
# restores of a text file and of a keyed file of another schema refused through the real dialogs
# (shots into build/screenshots/restore/); two instances on one Data/ restoring a large and a
# small file at about the same time, the second waiting for the first and saying so; an instance
# whose ledger the other's restore replaced telling so at its page switch and backup, and one
# whose window closes while its restore waits for the other's ending at once (shots beside
# those); an expense, an account and a transfer entered with the keyboard alone
# (build/screenshots/keyboard/).
foreach(run e2e_login e2e_records e2e_calculators e2e_accounts e2e_stats e2e_restore
            e2e_restore_instances e2e_restore_replaced e2e_keyboard)
  add_test(NAME ledger/${run}
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/${run}.sh $<TARGET_FILE:kexbora>
                   ${KEXBORA_DATA_DIR}/init.db ${KEXBORA_OTHER_DIR}/1.html)
  set_tests_properties(ledger/${run} PROPERTIES TIMEOUT 150 RUN_SERIAL TRUE)
endforeach()
set_tests_properties(ledger/e2e_calculators ledger/e2e_stats PROPERTIES
                     ENVIRONMENT "E2E_SHOTS=${CMAKE_BINARY_DIR}/screenshots")
set_tests_properties(ledger/e2e_login PROPERTIES
                     ENVIRONMENT "E2E_SHOTS=${CMAKE_BINARY_DIR}/screenshots/login")
set_tests_properties(ledger/e2e_records PROPERTIES
                     ENVIRONMENT "E2E_SHOTS=${CMAKE_BINARY_DIR}/screenshots/records")
set_tests_properties(ledger/e2e_restore ledger/e2e_restore_instances ledger/e2e_restore_replaced
                     PROPERTIES
                     ENVIRONMENT "E2E_SHOTS=${CMAKE_BINARY_DIR}/screenshots/restore")
set_tests_properties(ledger/e2e_accounts PROPERTIES TIMEOUT 200
                     ENVIRONMENT "E2E_SHOTS=${CMAKE_BINARY_DIR}/screenshots/accounts")
set_tests_properties(ledger/e2e_keyboard PROPERTIES
                     ENVIRONMENT "E2E_SHOTS=${CMAKE_BINARY_DIR}/screenshots/keyboard")

# Twelve message boxes in a row under openbox (failed logins; saves, a 修改 without a selection
# and deletions on the income page), each centred over its window; screenshots into
# build/screenshots/messageboxes/.
add_test(NAME ledger/e2e_messageboxes
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/e2e_messageboxes.sh $<TARGET_FILE:kexbora>
                 ${KEXBORA_DATA_DIR}/init.db ${KEXBORA_OTHER_DIR}/1.html
                 ${CMAKE_BINARY_DIR}/screenshots)
set_tests_properties(ledger/e2e_messageboxes PROPERTIES TIMEOUT 180 RUN_SERIAL TRUE)
