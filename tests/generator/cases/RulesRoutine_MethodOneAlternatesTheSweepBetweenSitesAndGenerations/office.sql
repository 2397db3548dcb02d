-- RulesRoutine.MethodOneAlternatesTheSweepBetweenSitesAndGenerations
-- The manual-rule routine (AutoTune.dat "0"): one slot per agent per pass, the spacing rules of tune.dat
-- and the two sweep methods.
-- Method 1 alternates the sweep between sites (North 01A1, South 15A1; the rules' toggle, PassToggle's
-- first value, ends at 2) and generations: with South deleted, the second generation gives P and the third
-- Q.

INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (1, 'North', '2-31', NULL,
        1, 0, 0, 0, 0, 0, 0,        -- mornings (A, B), Sunday to Saturday
        0, 0, 0, 0, 0, 0, 0,        -- afternoons (C to F)
        0, 0, 0, 0, 0, 0, 0);       -- evenings (G, H)
INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (2, 'South', '1-14 16-31', NULL,
        1, 0, 0, 0, 0, 0, 0,        -- mornings (A, B), Sunday to Saturday
        0, 0, 0, 0, 0, 0, 0,        -- afternoons (C to F)
        0, 0, 0, 0, 0, 0, 0);       -- evenings (G, H)
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent P', 'P', '1 2');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent Q', 'Q', '1 2');
