-- The eight exam category tables of Dittaro_Data.sqlite. Their names are umlauts
-- in Windows-1252 bytes, not UTF-8: keep this file in that encoding. In order:
-- call signs, long QSO texts, short QSO texts, German technical texts, German
-- quotations, English quotations, English short texts, English technical texts.

CREATE TABLE ÜüöÖÄä (textzeile TEXT, zeitfaktor INTEGER, gebraucht INTEGER);
CREATE TABLE äöüÄÖÜ (textzeile TEXT, zeitfaktor INTEGER, gebraucht INTEGER);
CREATE TABLE üÜÄäöÖ (textzeile TEXT, zeitfaktor INTEGER, gebraucht INTEGER);
CREATE TABLE öÖÄäÜü (textzeile TEXT, zeitfaktor INTEGER, gebraucht INTEGER);
CREATE TABLE äÄöÖüÜ (textzeile TEXT, zeitfaktor INTEGER, gebraucht INTEGER);
CREATE TABLE ÄäÖöÜü (textzeile TEXT, zeitfaktor INTEGER, gebraucht INTEGER);
CREATE TABLE ÄÖÜäöü (textzeile TEXT, zeitfaktor INTEGER, gebraucht INTEGER);
CREATE TABLE ÖöäÄüÜ (textzeile TEXT, zeitfaktor INTEGER, gebraucht INTEGER);
