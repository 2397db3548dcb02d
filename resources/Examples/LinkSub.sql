-- A main office needing two agents on every duty (two site records linked by the letter A) and the
-- Maple Ridge subdivision, where one agent holds the open house every afternoon. Most agents work at
-- both; two new-homes specialists work only at the subdivision and three agents only at the main office.
-- Weekday columns run from Sunday (1) to Saturday (7).

INSERT INTO Sites (fdSNum, fdSName,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7,
                   fdLink)
VALUES (1, 'Main Office 1',
        1, 1, 1, 1, 1, 1, 1,  -- morning: A
        1, 1, 1, 1, 1, 1, 1,  -- afternoon: C
        0, 0, 0, 0, 0, 0, 0,
        'A');
INSERT INTO Sites (fdSNum, fdSName,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7,
                   fdLink)
VALUES (2, 'Main Office 2',
        1, 1, 1, 1, 1, 1, 1,
        1, 1, 1, 1, 1, 1, 1,
        0, 0, 0, 0, 0, 0, 0,
        'A');
INSERT INTO Sites (fdSNum, fdSName,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (3, 'Maple Ridge',
        0, 0, 0, 0, 0, 0, 0,
        1, 1, 1, 1, 1, 1, 1,  -- afternoon: C, every day
        0, 0, 0, 0, 0, 0, 0);

INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('William Harper', 'WH', '1 2 3', '3-4');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Barbara Lindgren', 'BL', '1 2 3', '17 24');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll, fdManOn1, fdManSite1)
VALUES ('Carlos Mendoza', 'CMZ', '3', '9-10', '6C 20C', 3);
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAM)
VALUES ('Joanne Whitfield', 'JW', '1 2', '1-5');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffPM1)
VALUES ('Edward Sullivan', 'ES', '1 2 3', '12 26');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Gloria Tanaka', 'GT', '3', '13-15');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Raymond Fischer', 'RF', '1 2 3', '7 21');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Nicole Baptiste', 'NB', '1 2', '18-19');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll, fdManOn1, fdManSite1)
VALUES ('Howard Klein', 'HK', '1 2 3', '28', '11A', 1);
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffPM1)
VALUES ('Vanessa Price', 'VP', '1 2 3', '2 16');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Martin Kowal', 'MK', '1 2', '8 22-23');
INSERT INTO Agents (fdName, fdInitial, fdAssigned)
VALUES ('Irene Costa', 'IC', '1 2 3');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Stanley Wu', 'SWU', '1 2 3', '11 25');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAM, fdOffPM1)
VALUES ('Yvonne Marsh', 'YM', '1 2 3', '6', '27');
