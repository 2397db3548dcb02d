-- Two offices: City Centre, which needs two agents on every duty (two site records linked by the letter
-- A), and the Willow Creek subdivision, open at weekends only with one agent in the morning and one in
-- the afternoon. All fourteen agents may work at every site.
-- Weekday columns run from Sunday (1) to Saturday (7).

INSERT INTO Sites (fdSNum, fdSName,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7,
                   fdLink)
VALUES (1, 'City Centre 1',
        1, 1, 1, 1, 1, 1, 1,  -- morning: A
        1, 1, 1, 1, 1, 1, 1,  -- afternoon: C
        0, 1, 1, 1, 1, 1, 0,  -- evening: G, Monday to Friday
        'A');
INSERT INTO Sites (fdSNum, fdSName,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7,
                   fdLink)
VALUES (2, 'City Centre 2',
        1, 1, 1, 1, 1, 1, 1,
        1, 1, 1, 1, 1, 1, 1,
        0, 1, 1, 1, 1, 1, 0,
        'A');
INSERT INTO Sites (fdSNum, fdSName,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (3, 'Willow Creek',
        1, 0, 0, 0, 0, 0, 1,  -- morning: A, Sundays and Saturdays
        1, 0, 0, 0, 0, 0, 1,  -- afternoon: C, Sundays and Saturdays
        0, 0, 0, 0, 0, 0, 0);

INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Alice Thornton', 'AT', '1-3', '4-5');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAM, fdManOn1, fdManSite1)
VALUES ('Benjamin Cole', 'BC', '1-3', '9 23', '2A 16A', 1);
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Claire Dubois', 'CD', '1-3', '18-20');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffPM2)
VALUES ('Dennis Hartley', 'DH', '1-3', '1-14');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Eleanor Vance', 'EV', '1-3', '7 14 21 28');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll, fdManOn2, fdManSite2)
VALUES ('Felix Navarro', 'FN', '1-3', '26', '11C', 2);
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Grace Holloway', 'GH', '1-3', '10-12');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffPM1)
VALUES ('Harold Jensen', 'HJ', '1-3', '3 17');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Isabel Ferreira', 'IF', '1-3', '15');
INSERT INTO Agents (fdName, fdInitial, fdAssigned)
VALUES ('Jacob Lindholm', 'JL', '1-3');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Kathleen Moss', 'KM', '1-3', '24-27');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAM)
VALUES ('Leonard Pryce', 'LP', '1-3', '6 13 20');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Miriam Castillo', 'MC', '1-3', '8 22');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffPM1, fdOffPM2)
VALUES ('Nathan Greer', 'NG', '1-3', '5', '5 19');
