-- The ledger's tables. Counters never reuse an id (checkpoints compare ids), compared text
-- ignores ASCII case, dates are 'yyyy-MM-dd' text. The movement indexes by payment form and
-- account carry the key, sign, amount and validity, so that every balance is summed from the
-- index alone, only over the movements after an account's checkpoint.

CREATE TABLE kx_user (
    UserId INTEGER PRIMARY KEY AUTOINCREMENT,
    LogName VARCHAR(40) COLLATE NOCASE,
    LogPwd VARCHAR(160)
);
CREATE INDEX ix_user_logname ON kx_user (LogName);

CREATE TABLE kx_hash (
    hashid INTEGER PRIMARY KEY AUTOINCREMENT,
    keyname VARCHAR(50) COLLATE NOCASE,
    keyvalue VARCHAR(100) COLLATE NOCASE,
    seqid INTEGER,
    Pid INTEGER
);
CREATE INDEX ix_hash_keyname ON kx_hash (keyname, seqid);

CREATE TABLE kx_InAndOut (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    staffname VARCHAR(50) COLLATE NOCASE,
    ProjectName VARCHAR(100) COLLATE NOCASE,
    FundsNum REAL,
    FundsType VARCHAR(50) COLLATE NOCASE,
    Account VARCHAR(50) COLLATE NOCASE,
    Memo TEXT,
    EventDate TEXT,
    myType INTEGER,
    UserId INTEGER,
    IsValid VARCHAR(2) COLLATE NOCASE DEFAULT '1'
);
CREATE INDEX ix_inandout_date ON kx_InAndOut (EventDate);
-- The period lists' keys and totals come from this index alone, in key order.
CREATE INDEX ix_inandout_list ON kx_InAndOut (myType, IsValid, id, EventDate, FundsNum);
-- The statistics' sums per source or item, read from this index alone.
CREATE INDEX ix_inandout_stat ON kx_InAndOut (myType, IsValid, ProjectName, EventDate, FundsNum);
CREATE INDEX ix_inandout_account ON kx_InAndOut (FundsType, Account, id, myType, FundsNum, IsValid);

CREATE TABLE kx_Card (
    cardid INTEGER PRIMARY KEY AUTOINCREMENT,
    StaffName VARCHAR(50) COLLATE NOCASE,
    CardCompany VARCHAR(100) COLLATE NOCASE,
    FundsType VARCHAR(50) COLLATE NOCASE,
    Account VARCHAR(50) COLLATE NOCASE,
    Balance REAL,
    InitBalance REAL,
    IsValid VARCHAR(2) COLLATE NOCASE,
    Memo TEXT,
    UserId INTEGER,
    eventDate TEXT DEFAULT (date('now', 'localtime'))
);
CREATE INDEX ix_card_account ON kx_Card (FundsType, Account);

CREATE TABLE kx_Transfer (
    TransId INTEGER PRIMARY KEY AUTOINCREMENT,
    outFundsType VARCHAR(50) COLLATE NOCASE,
    outAccount VARCHAR(50) COLLATE NOCASE,
    FundsNum REAL,
    inFundsType VARCHAR(50) COLLATE NOCASE,
    inAccount VARCHAR(50) COLLATE NOCASE,
    Memo TEXT,
    EventDate TEXT,
    UserId INTEGER,
    IsValid VARCHAR(2) COLLATE NOCASE DEFAULT '1'
);
CREATE INDEX ix_transfer_date ON kx_Transfer (EventDate);
CREATE INDEX ix_transfer_list ON kx_Transfer (IsValid, TransId, EventDate, FundsNum);
CREATE INDEX ix_transfer_out ON kx_Transfer (outFundsType, outAccount, TransId, FundsNum, IsValid);
CREATE INDEX ix_transfer_in ON kx_Transfer (inFundsType, inAccount, TransId, FundsNum, IsValid);

CREATE TABLE kx_Borrow (
    BorrowId INTEGER PRIMARY KEY AUTOINCREMENT,
    FundsType VARCHAR(50) COLLATE NOCASE,
    Account VARCHAR(50) COLLATE NOCASE,
    FundsNum REAL,
    myType INTEGER,
    LoanName VARCHAR(50) COLLATE NOCASE,
    Memo TEXT,
    EventDate TEXT,
    UserId INTEGER,
    IsValid VARCHAR(2) COLLATE NOCASE DEFAULT '1'
);
CREATE INDEX ix_borrow_date ON kx_Borrow (EventDate);
CREATE INDEX ix_borrow_list ON kx_Borrow (IsValid, BorrowId, EventDate, myType, FundsNum);
CREATE INDEX ix_borrow_account ON kx_Borrow (FundsType, Account, BorrowId, myType, FundsNum, IsValid);

CREATE TABLE kx_card_duizhang (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    cardid INTEGER,
    balance REAL,
    inandoutid INTEGER,
    transid INTEGER,
    borrowid INTEGER,
    status VARCHAR(20) COLLATE NOCASE,
    eventDate TEXT DEFAULT (date('now', 'localtime'))
);
CREATE INDEX ix_duizhang_card ON kx_card_duizhang (cardid, id);
