-- ManualRequests.ADayBeyondTheMonthGivesNoRecord
-- Sites are filled by the rules routine with no rule switched on (method 1).
-- A requested day beyond the month (31A in April, 30 days; Sundays 2, 9, 16, 23, 30) gives no record.

INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (1, 'North', NULL, NULL,
        1, 0, 0, 0, 0, 0, 0,        -- mornings (A, B), Sunday to Saturday
        0, 0, 0, 0, 0, 0, 0,        -- afternoons (C to F)
        0, 0, 0, 0, 0, 0, 0);       -- evenings (G, H)
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdManOn1, fdManSite1) VALUES ('Agent AN', 'AN', '1', '31A 2A', 1);
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BO', 'BO', '1');
