-- The data of this scenario.
INSERT INTO host_setting (key, value) VALUES
  ('current_user', 'USER01'),
  ('app_folder_0', 'C:\out\'),
  ('app_folder_1', 'C:\settings\');
INSERT INTO user_selection (user_id, selected_no1, selected_no2) VALUES ('USER01', 1, 1);
INSERT INTO data_set (walk_order, data_id, data_no, company_name, period_start, period_end,
                      manufacturing_cost_flag, period15_flag, intro_month, company_law_flag)
  VALUES (1, 'D001', 1, 'ABC商事', 20190401, 20200331, 0, 0, 0, 1);
INSERT INTO account (data_id, seq, account_code, formal_name, second_name, status, balance_side, nature_code) VALUES
  ('D001', 1, 1110000, '現金', '', 0, 1, 2156400640);
INSERT INTO account_amount (data_id, seq, amount_set, slot, debit, credit) VALUES
  ('D001', 1, 0, 0, 600000000000000000, 0),
  ('D001', 1, 0, 1, 600000000000000000, 0);  -- opening plus April reach 10^18 ten-thousandths
