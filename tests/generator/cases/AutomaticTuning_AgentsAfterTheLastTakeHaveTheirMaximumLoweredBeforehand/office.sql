-- AutomaticTuning.AgentsAfterTheLastTakeHaveTheirMaximumLoweredBeforehand
-- Automatic fine tuning (AutoTune.dat "1").
-- Agents after the last take have their maximum lowered beforehand: First's only open slot (01A1; 01C1 is
-- B's manual record) goes to A in the first sweep, which ends the site before B's turn; B's maximum of 2
-- was already lowered by that manual record before any site was filled, so B takes one slot at Second and
-- the other Saturdays stay unfilled.

INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (1, 'First', '2-31', NULL,
        1, 0, 0, 0, 0, 0, 0,        -- mornings (A, B), Sunday to Saturday
        1, 0, 0, 0, 0, 0, 0,        -- afternoons (C to F)
        0, 0, 0, 0, 0, 0, 0);       -- evenings (G, H)
INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (2, 'Second', NULL, NULL,
        0, 0, 0, 0, 0, 0, 1,        -- mornings (A, B), Sunday to Saturday
        0, 0, 0, 0, 0, 0, 0,        -- afternoons (C to F)
        0, 0, 0, 0, 0, 0, 0);       -- evenings (G, H)
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent A', 'A', '1');
INSERT INTO Agents (fdName, fdInitial, fdMaxTimes, fdAssigned, fdManOn1, fdManSite1) VALUES ('Bea', 'B', 2, '1 2', '1C', 1);
