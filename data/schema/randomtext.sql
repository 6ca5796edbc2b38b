-- The index of Dittaro_Randomtext.sqlite: one row per random-text table, which the
-- import creates beside it.

CREATE TABLE zufallstexte (name TEXT);
