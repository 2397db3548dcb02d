-- The two offices of the previous example, but each agent works at one office only: seven at Downtown
-- and five at Lakeside. Daniel Murphy takes at most 5 duties a month and Frank DiMaggio at most 12; both
-- offices are closed on the 25th and Lakeside on the 24th as well.
-- Weekday columns run from Sunday (1) to Saturday (7).

INSERT INTO Sites (fdSNum, fdSName,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7,
                   fdSClose)
VALUES (1, 'Downtown',
        1, 1, 1, 1, 1, 1, 1,  -- morning: A
        1, 1, 1, 1, 1, 1, 1,  -- afternoon: C
        0, 1, 1, 1, 1, 1, 0,  -- evening: G, Monday to Friday
        '25');                -- closed days
INSERT INTO Sites (fdSNum, fdSName,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7,
                   fdSClose)
VALUES (2, 'Lakeside',
        0, 1, 1, 1, 1, 1, 1,  -- morning: A, closed on Sundays
        0, 1, 1, 1, 1, 1, 1,  -- afternoon: C, closed on Sundays
        0, 0, 0, 0, 0, 0, 0,
        '24-25');             -- closed days

-- Downtown
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Angela Brooks', 'AB', '1', '6 20');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAM, fdManOn1, fdManSite1)
VALUES ('Victor Ramirez', 'VR', '1', '2-4', '10A 24C', 1);
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffPM2)
VALUES ('Helen Fitzgerald', 'HF', '1', '9-15');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Samuel Okafor', 'SO', '1', '27-28');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll, fdOffPM1)
VALUES ('Rachel Goldberg', 'RG', '1', '11', '26');
INSERT INTO Agents (fdName, fdInitial, fdMaxTimes, fdAssigned)
VALUES ('Daniel Murphy', 'DM', 5, '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Teresa Lindqvist', 'TL', '1', '14-18');

-- Lakeside
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAM)
VALUES ('George Papadakis', 'GP', '2', '7 14 21 28');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Monica Reyes', 'MR', '2', '1 2');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Paul Henderson', 'PH', '2', '5 12');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Diane Kowalczyk', 'DK', '2', '22-23');
INSERT INTO Agents (fdName, fdInitial, fdMaxTimes, fdAssigned, fdOffPM1)
VALUES ('Frank DiMaggio', 'FD', 12, '2', '8');
