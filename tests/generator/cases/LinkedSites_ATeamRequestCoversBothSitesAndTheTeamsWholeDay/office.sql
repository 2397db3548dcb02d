-- LinkedSites.ATeamRequestCoversBothSitesAndTheTeamsWholeDay
-- Sites are filled by the rules routine with no rule switched on (method 1).
-- A team request covers both linked sites and the team's whole day (Thursdays 5, 12, 19, 26: C and G).
-- North (7 open slots) is filled first and handed over; the team may not take 05G5 (its day is gone) and is
-- not scheduled again at South, where its slots are already covered.

INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (1, 'North', NULL, 'A',
        0, 0, 0, 0, 0, 0, 0,        -- mornings (A, B), Sunday to Saturday
        0, 0, 0, 0, 1, 0, 0,        -- afternoons (C to F)
        0, 0, 0, 0, 1, 0, 0);       -- evenings (G, H)
INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (2, 'South', NULL, 'A',
        0, 0, 0, 0, 0, 0, 0,        -- mornings (A, B), Sunday to Saturday
        0, 0, 0, 0, 1, 0, 0,        -- afternoons (C to F)
        0, 0, 0, 0, 1, 0, 0);       -- evenings (G, H)
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdManOn1, fdManSite1) VALUES ('Agent ABC+', 'ABC+', '1 2', '5C', 1);
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent X', 'X', '1 2');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent Y', 'Y', '1 2');
