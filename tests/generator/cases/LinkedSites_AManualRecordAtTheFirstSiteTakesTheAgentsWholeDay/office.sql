-- LinkedSites.AManualRecordAtTheFirstSiteTakesTheAgentsWholeDay
-- Sites are filled by the rules routine with no rule switched on (method 1).
-- A manual record at the first of two linked sites takes the agent's whole day.

INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (1, 'North', '8-31', 'B',
        1, 0, 0, 0, 0, 0, 0,        -- mornings (A, B), Sunday to Saturday
        1, 0, 0, 0, 0, 0, 0,        -- afternoons (C to F)
        0, 0, 0, 0, 0, 0, 0);       -- evenings (G, H)
INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (2, 'South', '8-31', 'B',
        1, 0, 0, 0, 0, 0, 0,        -- mornings (A, B), Sunday to Saturday
        1, 0, 0, 0, 0, 0, 0,        -- afternoons (C to F)
        0, 0, 0, 0, 0, 0, 0);       -- evenings (G, H)
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdManOn1, fdManSite1) VALUES ('Agent AN', 'AN', '1 2', '1A', 1);
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BO', 'BO', '1-2');
