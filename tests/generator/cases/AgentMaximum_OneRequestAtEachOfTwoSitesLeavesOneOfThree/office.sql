-- AgentMaximum.OneRequestAtEachOfTwoSitesLeavesOneOfThree
-- The maximum counts every manual request, once, before the first site is filled.
-- Mia has a maximum of 3 and one request at each site (1A at First, 3A at Second): she gets one generated
-- slot, at First, which is filled first, and none at Second; by the automatic routine in the first
-- generation and by the rules, none switched on, in the second.

INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (1, 'First', NULL, NULL,
        1, 0, 0, 0, 0, 0, 0,        -- mornings (A, B), Sunday to Saturday
        0, 0, 0, 0, 0, 0, 0,        -- afternoons (C to F)
        0, 0, 0, 0, 0, 0, 0);       -- evenings (G, H)
INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (2, 'Second', NULL, NULL,
        0, 0, 1, 1, 0, 0, 0,        -- mornings (A, B), Sunday to Saturday
        0, 0, 0, 0, 0, 0, 0,        -- afternoons (C to F)
        0, 0, 0, 0, 0, 0, 0);       -- evenings (G, H)
INSERT INTO Agents (fdName, fdInitial, fdMaxTimes, fdAssigned, fdManOn1, fdManSite1, fdManOn2, fdManSite2) VALUES ('Mia', 'MI', 3, '1 2', '1A', 1, '3A', 2);
