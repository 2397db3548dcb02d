-- ManualDays.ARequestOnTheTenthAtALaterSiteKeepsTheTenthFreeAtTheFirst
-- A day with a manual request at any site is a day the agent already works.
-- Mia asked for 10B at Second; First, open only on the 10th (A and C), is filled first. She gets no slot
-- there under the automatic routine (generation 1) nor under the rules with once a day on, method 1
-- (generation 2) and method 2 (generation 3); with once a day off (generation 4) she takes both.

INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (1, 'First', '1-9 11-31', NULL,
        0, 0, 1, 0, 0, 0, 0,        -- mornings (A, B), Sunday to Saturday
        0, 0, 1, 0, 0, 0, 0,        -- afternoons (C to F)
        0, 0, 0, 0, 0, 0, 0);       -- evenings (G, H)
INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (2, 'Second', NULL, NULL,
        0, 0, 2, 0, 0, 0, 0,        -- mornings (A, B), Sunday to Saturday
        0, 0, 0, 0, 0, 0, 0,        -- afternoons (C to F)
        0, 0, 0, 0, 0, 0, 0);       -- evenings (G, H)
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdManOn1, fdManSite1) VALUES ('Mia', 'MI', '1 2', '10B', 2);
