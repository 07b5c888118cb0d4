-- The stand-in host's data store: one SQLite database that plays the part of the
-- host accounting product's data (users, data sets, per-account sums, saved
-- statement texts, host settings). The stand-in host engine libraries read it;
-- the linkage component never sees it directly, only through the host interfaces.
--
-- This schema is a contract: fixtures, samples and outside test harnesses write
-- databases of exactly this shape. Columns may be added (with defaults); none of
-- these may be renamed or change meaning.
--
-- Texts: a TEXT value is UTF-8 and the engine hands it out converted to code page
-- 932 (Shift_JIS). A BLOB value in a text column is handed out byte for byte, so
-- fixtures can hold exact or malformed Shift_JIS bytes.
-- Amounts: scaled integers, ten-thousandths of the currency unit.

CREATE TABLE host_setting (
  key   TEXT PRIMARY KEY,
  value TEXT NOT NULL
);
-- Known keys (absent key = the default in brackets):
--   current_user         the user ID that GetCurUserID reports ['USER01']
--   initiate_result      what Initiate returns [0]
--   exp_sys_link         what ExpSysLink returns [0]
--   app_folder_0         GetAppFolderPath(0), a Windows-form folder ending in '\' or '' ['']
--   app_folder_1         GetAppFolderPath(1), likewise ['']
--   target_package_name  the text that replaces ES_APRPACKAGENAME in DispMsg ['Vantoro']

CREATE TABLE user_selection (
  user_id      TEXT PRIMARY KEY,
  selected_no1 INTEGER NOT NULL,
  selected_no2 INTEGER NOT NULL      -- data_no of the data set selected for this user
);

CREATE TABLE data_set (
  walk_order              INTEGER PRIMARY KEY,  -- order in which WalkDat delivers the data sets
  data_id                 TEXT    NOT NULL,     -- at most 15 bytes
  data_no                 INTEGER NOT NULL,
  company_name            TEXT    NOT NULL,     -- at most 259 bytes in code page 932
  period_start            INTEGER NOT NULL,     -- yyyymmdd
  period_end              INTEGER NOT NULL,     -- yyyymmdd
  manufacturing_cost_flag INTEGER NOT NULL DEFAULT 0,
  period15_flag           INTEGER NOT NULL DEFAULT 0,
  intro_month             INTEGER NOT NULL DEFAULT 0,
  company_law_flag        INTEGER NOT NULL DEFAULT 1,
  tax_settings_readable   INTEGER NOT NULL DEFAULT 1,  -- 0: HostTaxSettings Get fails
  amount_basis_flag       INTEGER NOT NULL DEFAULT 0   -- byte 5 of TaxSettingsInfo
);

CREATE TABLE account (
  data_id      TEXT    NOT NULL,
  seq          INTEGER NOT NULL,          -- cursor order
  account_code INTEGER NOT NULL,
  formal_name  TEXT    NOT NULL,          -- at most 56 bytes in code page 932
  second_name  TEXT    NOT NULL DEFAULT '', -- at most 32 bytes in code page 932
  status       INTEGER NOT NULL DEFAULT 0,
  balance_side INTEGER NOT NULL,
  nature_code  INTEGER NOT NULL,          -- unsigned 32-bit value
  PRIMARY KEY (data_id, seq)
);

CREATE TABLE account_amount (             -- missing rows are zero
  data_id    TEXT    NOT NULL,
  seq        INTEGER NOT NULL,
  amount_set INTEGER NOT NULL,            -- 0 or 1
  slot       INTEGER NOT NULL,            -- 0 to 14
  debit      INTEGER NOT NULL DEFAULT 0,
  credit     INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY (data_id, seq, amount_set, slot)
);

CREATE TABLE statement_text (             -- a missing row: GetDataType02 fails for that kind
  data_id TEXT    NOT NULL,
  kind    INTEGER NOT NULL,               -- 100, 0 or 1000
  body    TEXT    NOT NULL,
  PRIMARY KEY (data_id, kind)
);

-- The data of this scenario.
INSERT INTO host_setting (key, value) VALUES
  ('current_user', 'USER01'),
  ('app_folder_0', 'C:\out\'),
  ('app_folder_1', 'C:\settings\');
INSERT INTO user_selection (user_id, selected_no1, selected_no2) VALUES ('USER01', 1, 1);
INSERT INTO data_set (walk_order, data_id, data_no, company_name, period_start, period_end,
                      manufacturing_cost_flag, period15_flag, intro_month, company_law_flag)
  VALUES (1, 'D001', 1, 'ABC商事', 20190401, 20200331, 0, 0, 0, 1);
-- seq, code, formal name, second name, status, balance side, nature
INSERT INTO account (data_id, seq, account_code, formal_name, second_name, status, balance_side, nature_code) VALUES
  ('D001', 1, 1110000, '現金　預金', '', 0, 1, 2156400640),     -- 0x80881000 current assets
  ('D001', 2, 1120000, '小口現金', '', 0, 1, 2156400640),        -- 0x80881000, stays zero
  ('D001', 3, 1130000, '未使用', '', 1, 1, 2156400640),          -- 0x80881000, status 1: left out
  ('D001', 4, 3000000, '【純資産の部】', '', 2, 0, 2149580800), -- 0x80200000 net assets section
  ('D001', 5, 3110000, '資本金', '', 0, 0, 2150137856),          -- 0x80288000 capital stock
  ('D001', 6, 3310000, '繰越利益剰余金', '', 0, 0, 2150109256), -- 0x80281048 retained earnings
  ('D001', 7, 4110000, '売上高', '', 0, 0, 1082687489),          -- 0x40888001 net sales
  ('D001', 8, 9990000, '当期純利益', '', 2, 0, 1075839040);      -- 0x40200040 net income
INSERT INTO account_amount (data_id, seq, amount_set, slot, debit, credit) VALUES
  ('D001', 1, 0, 0, 10000000000, 0),   -- 1,000,000 yen before the period
  ('D001', 1, 0, 1, 5000005000, 0),    -- 500,000.5 yen in April
  ('D001', 3, 0, 1, 990000, 0),
  ('D001', 4, 0, 0, 0, 12000000000),
  ('D001', 4, 0, 13, 0, 5000000000),
  ('D001', 5, 0, 0, 0, 10000000000),
  ('D001', 6, 0, 0, 0, 2000000000),
  ('D001', 6, 0, 13, 0, 5000000000),   -- the year's income carried in the closing period
  ('D001', 7, 0, 5, 0, 5000000000),    -- 500,000 yen of sales in August
  ('D001', 8, 0, 12, 0, 5000000000);
INSERT INTO statement_text (data_id, kind, body) VALUES
  ('D001', 100, 'InputMode=1' || char(13) || char(10) || '[Note_01]' || char(13) || char(10) || 'Disp=1' || char(13) || char(10) || '[Note_02]' || char(13) || char(10) || 'Disp=0' || char(13) || char(10)),
  ('D001', 0, 'Note=1' || char(13) || char(10)),
  ('D001', 1000, '<ID>1000010' || char(13) || char(10) || '<Name>継続企業の前提</Name>' || char(13) || char(10) || '<Kind>0</Kind>' || char(13) || char(10) || '<Disp>1</Disp>' || char(13) || char(10) || '<Value>' || char(13) || char(10) || '<Line>継続企業の前提に関する注記はありません。' || char(13) || char(10) || '<Line>R&amp;D費用 &lt;注&gt;</Line>' || char(13) || char(10) || '<ID>1010010' || char(13) || char(10) || '<Name>重要な会計方針</Name>' || char(13) || char(10) || '<Kind>0</Kind>' || char(13) || char(10) || '<Disp>1</Disp>' || char(13) || char(10) || '<Value>' || char(13) || char(10) || '<Line>group 1 is hidden by its display flag' || char(13) || char(10));
