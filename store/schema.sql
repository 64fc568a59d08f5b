-- The question bank and the learner's records. Texts are TEXT, yes/no flags INTEGER 0/1.
-- Columns marked enciphered hold cipher texts of the content cipher. The program adds any
-- index below that a bank made before it lacks (each begins a line). No semicolons in comments:
-- the bank tool splits statements at them.
CREATE TABLE tabMoudle (
    Moudle_ID     TEXT PRIMARY KEY,
    Moudle_Name   TEXT,
    Moudle_DocUrl TEXT
);
CREATE TABLE tabZhangJie (
    Z_ID   TEXT PRIMARY KEY,
    Z_Name TEXT,
    M_ID   TEXT,
    M_Type TEXT                       -- "1" practice chapter, "2" exam paper
);
-- A random draw over a course reaches its questions through its chapters.
CREATE INDEX idxChapterCourse ON tabZhangJie (M_ID, Z_ID);
CREATE TABLE tabItem (
    I_ID          TEXT PRIMARY KEY,
    Z_ID          TEXT,
    I_TYPE        TEXT,               -- "1" .. "5"
    I_DETAL       TEXT,               -- enciphered
    I_A           TEXT,               -- enciphered, likewise I_B .. I_F
    I_B           TEXT,
    I_C           TEXT,
    I_D           TEXT,
    I_E           TEXT,
    I_F           TEXT,
    I_ANSWER      TEXT,               -- enciphered
    I_ANSWER_DESC TEXT,               -- enciphered
    I_MARK        INTEGER DEFAULT 0,
    I_FAV         INTEGER DEFAULT 0,
    I_SCORE       INTEGER DEFAULT 0,
    I_PIC         TEXT
);
CREATE INDEX idxItemChapter ON tabItem (Z_ID, I_TYPE, I_ID);
-- The essentials are counted and listed through the few flagged questions, not the whole table.
CREATE INDEX idxItemFav ON tabItem (I_TYPE) WHERE I_FAV <> 0;
CREATE TABLE tabExItem (
    I_ID       TEXT,
    EX_No      INTEGER,
    EX_Subject TEXT,                  -- enciphered, likewise EX_A .. EX_F, EX_ANSWER, EX_DES
    EX_A       TEXT,
    EX_B       TEXT,
    EX_C       TEXT,
    EX_D       TEXT,
    EX_E       TEXT,
    EX_F       TEXT,
    EX_ANSWER  TEXT,
    EX_DES     TEXT,
    EX_TYPE    TEXT,
    EX_SCORE   INTEGER DEFAULT 0
);
CREATE INDEX idxExItem ON tabExItem (I_ID, EX_No);
CREATE TABLE tabJiangYi (
    Z_ID   TEXT,
    Z_URL  TEXT,
    Z_TYPE TEXT                       -- "TRUE" in any case: Z_URL is a web address
);
CREATE TABLE tabKaoShiZhiNan (
    KSDG_NAME TEXT,
    KSDG_URL  TEXT,
    KSDG_TYPE TEXT
);
CREATE TABLE tabHelp (
    HP_NAME TEXT,
    HP_URL  TEXT,
    HP_TYPE TEXT
);
CREATE TABLE tabKeMu (
    P_ID   TEXT,
    P_NAME TEXT,
    C_ID   TEXT,
    C_NAME TEXT
);
CREATE TABLE tabUserLogin (
    UserName TEXT,
    UserPass TEXT
);
CREATE TABLE tabErrItemHisLog (
    ERR_DATE TEXT,                    -- "yyyyMMdd", compared as text
    ERR_I_ID TEXT
);
-- The wrong-question reviews read the log of a period, and a run's end today's rows, by day.
-- (It replaces idxErrLog, on question and day, whose every new row landed somewhere else.)
CREATE INDEX idxErrLogDay ON tabErrItemHisLog (ERR_DATE, ERR_I_ID);
CREATE TABLE tabTestHis (
    TEST_ID       TEXT PRIMARY KEY,   -- start of the run, "yyyyMMddhhmmss"
    TEST_TRUE     TEXT,
    TEST_FALSE    TEXT,
    TEST_HAVDO    TEXT,
    TEST_NOTDO    TEXT,
    TEST_TIME     TEXT,
    TEST_TYPE     TEXT,
    TEST_SCORE    INTEGER,
    TEST_KeCheng  TEXT,
    TEST_ZhangJie TEXT,
    TEST_MANFEN   INTEGER,            -- full marks in hundredths of a point, NULL in older rows
    TEST_DEFEN    INTEGER             -- points earned in hundredths, NULL in older rows
);
-- The mock exam in progress, kept as it is answered so that a crash loses no answer, and
-- removed when the exam is handed in or left. At most one exam: the header row and a row per
-- record of its question list, in list order. (Statements are split at semicolons, so these
-- comments hold none.)
CREATE TABLE tabExamSave (
    TEST_ID      TEXT PRIMARY KEY,    -- the exam's identifier, "yyyyMMddhhmmss"
    KeChengID    TEXT,
    KeChengName  TEXT,
    ZhangJieID   TEXT,                -- the paper, or the course of a random paper
    ZhangJieName TEXT,
    LXMode       TEXT,                -- "First" an exam, "new" a redo
    START_TIME   TEXT,                -- "yyyy-MM-ddThh:mm:ss.zzz", local time
    USED_MSECS   INTEGER,             -- time used when it was saved
    ITEM_INDEX   INTEGER,             -- the record shown
    TIMED        INTEGER DEFAULT 1    -- 0 for an exam without the hour's limit
);
CREATE TABLE tabExamSaveItem (
    TEST_ID     TEXT,
    POS         INTEGER,              -- position in the question list
    I_ID        TEXT,
    KIND45      INTEGER,              -- sub-question number, 1 for a plain question
    USER_ANSWER TEXT,
    USER_SCORE  INTEGER,              -- hundredths of a point
    COLOR_MARK  INTEGER,
    ITEM_MARK   INTEGER,              -- the check-later flag, 0 or 1
    PRIMARY KEY (TEST_ID, POS)
);
-- Marks of the bank: "ContentId", the digest of what the bank tool wrote (questions, catalogue,
-- pages, accounts), and in a learner's copy "MadeFrom", the identity of the shipped bank it
-- was made from. A newer shipped bank is told by these.
CREATE TABLE tabBankInfo (
    Name  TEXT PRIMARY KEY,
    Value TEXT
);
