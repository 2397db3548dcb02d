-- AutomaticTuning.TwoAgentsOverTwoWeeksSpreadAndRelaxStepByStep
-- Automatic fine tuning (AutoTune.dat "1").
-- One A slot a day on the 1st to the 14th. Each pass gives P then Q the first slot their spread
-- availability allows; later passes need the week store (failure 3), days two apart (failure 4) and the
-- day-2 / day+2 stores (failure 5).

INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (1, 'North', '15-31', NULL,
        1, 1, 1, 1, 1, 1, 1,        -- mornings (A, B), Sunday to Saturday
        0, 0, 0, 0, 0, 0, 0,        -- afternoons (C to F)
        0, 0, 0, 0, 0, 0, 0);       -- evenings (G, H)
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent P', 'P', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent Q', 'Q', '1');
