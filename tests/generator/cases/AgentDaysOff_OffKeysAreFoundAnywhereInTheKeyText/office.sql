-- AgentDaysOff.OffKeysAreFoundAnywhereInTheKeyText
-- The site is filled by the rules routine with no rule switched on, so an agent alone takes, pass after
-- pass, the first open slot of the fill order that it may take.
-- Off keys are found anywhere in the key text: "3 5-" expands to "3 " and gives the keys "03GG03HH"; both
-- 03G and 03H occur in that text.

INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (1, 'North', '8-31', NULL,
        0, 0, 0, 0, 0, 0, 0,        -- mornings (A, B), Sunday to Saturday
        0, 0, 0, 0, 0, 0, 0,        -- afternoons (C to F)
        2, 2, 2, 2, 2, 2, 2);       -- evenings (G, H)
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll) VALUES ('Agent AN', 'AN', '1', '3 5-');
