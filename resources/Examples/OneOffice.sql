-- One office with twelve agents: a morning (A), an afternoon (C) and an evening (G) duty every day of
-- the week, each agent with individual days off and two agents with duties asked for by hand.
-- Weekday columns run from Sunday (1) to Saturday (7).

INSERT INTO Sites (fdSNum, fdSName,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (1, 'Main Office',
        1, 1, 1, 1, 1, 1, 1,  -- morning: A
        1, 1, 1, 1, 1, 1, 1,  -- afternoon: C
        1, 1, 1, 1, 1, 1, 1); -- evening: G

INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Margaret Olsen', 'MO', '1', '5 12-14');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAM, fdManOn1, fdManSite1)
VALUES ('David Chen', 'DC', '1', '3 10 17 24', '8G 22G', 1);
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Susan Whitaker', 'SW', '1', '19-23');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffPM2)
VALUES ('Robert Alvarez', 'RA', '1', '1-7');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Linda Kowalski', 'LK', '1', '2 9 16 23');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffPM1)
VALUES ('James Patterson', 'JP', '1', '6 13 20 27');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll, fdManOn1, fdManSite1)
VALUES ('Patricia Nguyen', 'PN', '1', '26-28', '3A 17C', 1);
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAM)
VALUES ('Thomas Brennan', 'TB', '1', '1-4');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll, fdOffPM2)
VALUES ('Karen Delgado', 'KD', '1', '8 15', '22');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll, fdOffPM1)
VALUES ('Michael Harrington', 'MH', '1', '18', '11 25');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Elizabeth Sandoval', 'ES', '1', '10-11 24');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll, fdOffPM1)
VALUES ('Christopher Lang', 'CL', '1', '27', '4 18');
