-- NullOrBlank/MissingMaximum.MeansNoLimit/1
-- The site is filled by the rules routine with no rule switched on, so an agent alone takes, pass after
-- pass, the first open slot of the fill order that it may take.
-- A blank maximum (' ') means no limit: 248 slots, more than any two-digit maximum, fewer than the 310 a
-- missing maximum stands for.

INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (1, 'North', NULL, NULL,
        2, 2, 2, 2, 2, 2, 2,        -- mornings (A, B), Sunday to Saturday
        4, 4, 4, 4, 4, 4, 4,        -- afternoons (C to F)
        2, 2, 2, 2, 2, 2, 2);       -- evenings (G, H)
INSERT INTO Agents (fdName, fdInitial, fdMaxTimes, fdAssigned) VALUES ('Agent AN', 'AN', ' ', '1');
