-- The two single-row settings tables of Dittaro_Data.sqlite. The program reads them
-- with SELECT * and addresses the columns by position, so the order is the format.
-- The values are the program's design defaults: what a first start shows.

CREATE TABLE voreinstellungen (
  Volume                INTEGER, --  0 slider position, 5 % steps
  Frequency             INTEGER, --  1 tone pitch, Hz
  KeyerID               INTEGER, --  2 keyer speed = ID * 5 + 20 BpM
  GeschwindigkeitID     INTEGER, --  3 playback speed = ID * 5 + 20 BpM
  IambicMode            INTEGER, --  4 0 none, 1 dot, 2 dash, 3 both
  Reverse               INTEGER, --  5
  Farnsworth            INTEGER, --  6
  Gruppen               INTEGER, --  7
  Zeichenvorrat         TEXT,    --  8
  KochString            TEXT,    --  9
  KochStufe             INTEGER, -- 10
  FarnsworthBpMID       INTEGER, -- 11 character speed = ID * 10 + 60 BpM
  PunktStrichID         INTEGER, -- 12 0 = 3, 1 = 3.5, 2 = 4
  WortabstandID         INTEGER, -- 13
  Umlaute               INTEGER, -- 14
  Akzente               INTEGER, -- 15
  CH                    INTEGER, -- 16
  SZ                    INTEGER, -- 17
  Zeilen                INTEGER, -- 18
  ZufallstextIndex      INTEGER, -- 19
  Handtaste             INTEGER, -- 20 1 straight key, else paddle and keyer
  KochMethode           INTEGER, -- 21
  TastungID             INTEGER, -- 22 rise time, ms
  ZeichenAnzeigen       INTEGER, -- 23
  VerzID                INTEGER, -- 24 1 short, 2 medium, 3 long
  KG                    INTEGER, -- 25
  KF                    INTEGER, -- 26
  KA                    INTEGER, -- 27
  KSP                   INTEGER, -- 28
  KFM                   INTEGER, -- 29
  Obertoene             INTEGER, -- 30
  ZeichenProGruppe      INTEGER, -- 31 0..3 = 2..5 characters
  GruppenWiederholungID INTEGER, -- 32
  Vorname               TEXT,    -- 33
  Nachname              TEXT,    -- 34
  Rufzeichen            TEXT,    -- 35
  Sprache               INTEGER, -- 36 1 Deutsch, 2 English, 3 Francais
  WortWiederholungID    INTEGER, -- 37
  KZPG                  INTEGER, -- 38
  COM                   INTEGER, -- 39
  DecodierSpeed         INTEGER, -- 40 BpM
  TabIndex              INTEGER, -- 41
  TastaturMorsen        INTEGER, -- 42
  relGeschw             INTEGER, -- 43 5..15 = 50..150 %
  unbenutzt             INTEGER, -- 44 never read or written; keeps the positions after it
  TastenModus           INTEGER, -- 45 1 normal, 2 permanent decoding, 3 graph
  FontsizeID            INTEGER, -- 46 size = ID + 10 pt
  DSR                   INTEGER, -- 47
  CTS                   INTEGER, -- 48
  RTS                   INTEGER  -- 49
);

INSERT INTO voreinstellungen VALUES (
  4,      --  0 Volume: 20 %
  800,    --  1 Frequency
  4,      --  2 KeyerID: 40 BpM
  8,      --  3 GeschwindigkeitID: 60 BpM
  0,      --  4 IambicMode
  0,      --  5 Reverse
  0,      --  6 Farnsworth
  5,      --  7 Gruppen
  'abcdefghijklmnopqrstuvwxyz0123456789+-=,.:?/()''', -- 8 Zeichenvorrat
  'fjsldkahgrueiwoqptzvncmxby6758493021/,=.?',       -- 9 KochString
  2,      -- 10 KochStufe
  4,      -- 11 FarnsworthBpMID: 100 BpM
  0,      -- 12 PunktStrichID
  0,      -- 13 WortabstandID: normal
  1,      -- 14 Umlaute
  1,      -- 15 Akzente
  0,      -- 16 CH
  1,      -- 17 SZ
  1,      -- 18 Zeilen
  0,      -- 19 ZufallstextIndex
  0,      -- 20 Handtaste: software keyer
  0,      -- 21 KochMethode
  5,      -- 22 TastungID: medium
  1,      -- 23 ZeichenAnzeigen
  2,      -- 24 VerzID: medium
  4,      -- 25 KG: 40 BpM
  2,      -- 26 KF: 80 BpM
  0,      -- 27 KA: normal
  0,      -- 28 KSP
  0,      -- 29 KFM
  0,      -- 30 Obertoene
  3,      -- 31 ZeichenProGruppe: 5 characters
  1,      -- 32 GruppenWiederholungID
  '',     -- 33 Vorname
  '',     -- 34 Nachname
  '',     -- 35 Rufzeichen
  1,      -- 36 Sprache: Deutsch
  1,      -- 37 WortWiederholungID
  3,      -- 38 KZPG: 5 characters
  1,      -- 39 COM
  40,     -- 40 DecodierSpeed
  0,      -- 41 TabIndex: settings
  0,      -- 42 TastaturMorsen
  10,     -- 43 relGeschw: 100 %
  NULL,   -- 44 unbenutzt
  1,      -- 45 TastenModus: normal
  2,      -- 46 FontsizeID: 12 pt
  0,      -- 47 DSR
  0,      -- 48 CTS
  0       -- 49 RTS
);

CREATE TABLE kochtrainer (
  punktstrich  INTEGER, -- 0 dash : dot ratio, 0 = 3, 1 = 3.5, 2 = 4
  minbpm       INTEGER, -- 1 BpM
  maxbpm       INTEGER, -- 2 BpM
  tiefsterton  INTEGER, -- 3 Hz
  hoechsterton INTEGER, -- 4 Hz
  tasthaerte   INTEGER, -- 5 rise time, ms
  obertoene    INTEGER  -- 6 non-zero = on
);

INSERT INTO kochtrainer VALUES (0, 70, 110, 400, 1200, 8, 0);
