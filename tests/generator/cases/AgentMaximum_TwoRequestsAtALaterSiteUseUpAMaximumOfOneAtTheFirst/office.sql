-- AgentMaximum.TwoRequestsAtALaterSiteUseUpAMaximumOfOneAtTheFirst
-- The maximum counts every manual request, once, before the first site is filled.
-- Mia's maximum of 1 is used up by her two requests at Second (3A, 10A), so she gets no generated slot at
-- First (five Sundays), which is filled first: by the automatic routine in the first generation and by
-- the rules, none switched on, in the second.

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
INSERT INTO Agents (fdName, fdInitial, fdMaxTimes, fdAssigned, fdManOn1, fdManSite1) VALUES ('Mia', 'MI', 1, '1 2', '3A 10A', 2);
