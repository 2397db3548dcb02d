-- The office database: table Agents (one record per agent or team) and table Sites (at most nine).
-- A copy of office::schemaSql() in src/model/OfficeDatabase.cpp, kept in step with it (a test compares
-- the two); every example office is built by running this file and then the example's own script.
CREATE TABLE Agents (
  fdName VARCHAR(24) COLLATE NOCASE UNIQUE,
  fdInitial VARCHAR(4) COLLATE NOCASE UNIQUE,
  fdMaxTimes INTEGER,
  fdAssigned VARCHAR(22),
  fdOffAll VARCHAR(43),
  fdOffAM VARCHAR(43),
  fdOffPM1 VARCHAR(43),
  fdOffPM2 VARCHAR(43),
  fdManOn1 VARCHAR(27),
  fdManSite1 INTEGER,
  fdManOn2 VARCHAR(27),
  fdManSite2 INTEGER
);
CREATE TABLE Sites (
  fdSNum INTEGER UNIQUE,
  fdSName VARCHAR(14),
  fdAM1 INTEGER,
  fdAM2 INTEGER,
  fdAM3 INTEGER,
  fdAM4 INTEGER,
  fdAM5 INTEGER,
  fdAM6 INTEGER,
  fdAM7 INTEGER,
  fdPM1 INTEGER,
  fdPM2 INTEGER,
  fdPM3 INTEGER,
  fdPM4 INTEGER,
  fdPM5 INTEGER,
  fdPM6 INTEGER,
  fdPM7 INTEGER,
  fdEV1 INTEGER,
  fdEV2 INTEGER,
  fdEV3 INTEGER,
  fdEV4 INTEGER,
  fdEV5 INTEGER,
  fdEV6 INTEGER,
  fdEV7 INTEGER,
  fdSClose VARCHAR(24),
  fdLink VARCHAR(1)
);
