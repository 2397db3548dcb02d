-- Two offices sharing twelve agents who may work at either one: Downtown is staffed mornings and
-- afternoons every day and evenings Monday to Friday, Lakeside mornings and afternoons Monday to Saturday.
-- Weekday columns run from Sunday (1) to Saturday (7).

INSERT INTO Sites (fdSNum, fdSName,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (1, 'Downtown',
        1, 1, 1, 1, 1, 1, 1,  -- morning: A
        1, 1, 1, 1, 1, 1, 1,  -- afternoon: C
        0, 1, 1, 1, 1, 1, 0); -- evening: G, Monday to Friday
INSERT INTO Sites (fdSNum, fdSName,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (2, 'Lakeside',
        0, 1, 1, 1, 1, 1, 1,  -- morning: A, closed on Sundays
        0, 1, 1, 1, 1, 1, 1,  -- afternoon: C, closed on Sundays
        0, 0, 0, 0, 0, 0, 0);

INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Angela Brooks', 'AB', '1-2', '6 20');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAM, fdManOn1, fdManSite1)
VALUES ('Victor Ramirez', 'VR', '1 2', '2-4', '10A 24C', 1);
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffPM2)
VALUES ('Helen Fitzgerald', 'HF', '1-2', '9-15');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Samuel Okafor', 'SO', '1-2', '27-28');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll, fdOffPM1)
VALUES ('Rachel Goldberg', 'RG', '1 2', '11', '25');
INSERT INTO Agents (fdName, fdInitial, fdAssigned)
VALUES ('Daniel Murphy', 'DM', '1-2');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Teresa Lindqvist', 'TL', '1-2', '14-18');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAM)
VALUES ('George Papadakis', 'GP', '1 2', '7 14 21 28');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Monica Reyes', 'MR', '1-2', '1 2');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffPM2)
VALUES ('Paul Henderson', 'PH', '1-2', '5 12 19 26');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Diane Kowalczyk', 'DK', '1-2', '23-24');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffPM1, fdManOn1, fdManSite1)
VALUES ('Frank DiMaggio', 'FD', '1 2', '8', '12C', 1);
