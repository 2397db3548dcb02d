-- AgentTeams.TheTwoEntriesOfATeamShareOneMaximum
-- The site is filled by the rules routine with no rule switched on, so an agent alone takes, pass after
-- pass, the first open slot of the fill order that it may take.
-- A team (A+B) gets two entries, which share the team's one maximum: after the first entry's duty neither
-- entry takes another. The rotation is asked for 3 entries.

INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (1, 'North', NULL, NULL,
        1, 0, 0, 0, 0, 0, 0,        -- mornings (A, B), Sunday to Saturday
        0, 0, 0, 0, 0, 0, 0,        -- afternoons (C to F)
        0, 0, 0, 0, 0, 0, 0);       -- evenings (G, H)
INSERT INTO Agents (fdName, fdInitial, fdMaxTimes, fdAssigned) VALUES ('Agent A+B', 'A+B', 1, '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CD', 'CD', '1');
