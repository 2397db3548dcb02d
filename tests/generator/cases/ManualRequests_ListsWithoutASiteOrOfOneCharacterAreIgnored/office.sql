-- ManualRequests.ListsWithoutASiteOrOfOneCharacterAreIgnored
-- Sites are filled by the rules routine with no rule switched on (method 1).
-- Request lists without a site, with site 0 or 12, or of one character are ignored.

INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (1, 'North', NULL, NULL,
        0, 0, 1, 0, 0, 0, 0,        -- mornings (A, B), Sunday to Saturday
        0, 0, 0, 0, 0, 0, 0,        -- afternoons (C to F)
        0, 0, 0, 0, 0, 0, 0);       -- evenings (G, H)
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdManOn1) VALUES ('Agent AA', 'AA', '1', '3A');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdManOn1, fdManSite1) VALUES ('Agent BB', 'BB', '1', '10A', 0);
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdManOn1, fdManSite1) VALUES ('Agent CC', 'CC', '1', 'A', 1);
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdManOn1, fdManSite1, fdManOn2, fdManSite2) VALUES ('Agent DD', 'DD', '1', ' ', 1, '17A', 12);
