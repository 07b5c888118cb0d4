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
