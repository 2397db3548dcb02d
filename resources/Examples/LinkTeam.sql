-- One office that needs two agents on every duty: its two site records share the link letter A and are
-- filled together. Ten agents and two teams (J+M and R+L), each team covering both places of a duty.
-- Weekday columns run from Sunday (1) to Saturday (7).

INSERT INTO Sites (fdSNum, fdSName,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7,
                   fdLink)
VALUES (1, 'Main Office 1',
        1, 1, 1, 1, 1, 1, 1,  -- morning: A
        1, 1, 1, 1, 1, 1, 1,  -- afternoon: C
        0, 1, 1, 1, 1, 1, 0,  -- evening: G, Monday to Friday
        'A');
INSERT INTO Sites (fdSNum, fdSName,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7,
                   fdLink)
VALUES (2, 'Main Office 2',
        1, 1, 1, 1, 1, 1, 1,
        1, 1, 1, 1, 1, 1, 1,
        0, 1, 1, 1, 1, 1, 0,
        'A');

INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Catherine Moore', 'CM', '1 2', '4 11');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAM)
VALUES ('Brian Kessler', 'BK', '1 2', '15-19');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll, fdManOn1, fdManSite1)
VALUES ('Nancy Albright', 'NA', '1 2', '22-26', '14A', 2);
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffPM2)
VALUES ('Steven Novak', 'SN', '1 2', '1 8 15');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Jane & Mark Foster', 'J+M', '1 2', '6-7');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Laura Bianchi', 'LB', '1 2', '2 3');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffPM1)
VALUES ('Kevin Walsh', 'KW', '1 2', '10 24');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Deborah Haynes', 'DH', '1 2', '12-13 27');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll, fdManOn1, fdManSite1)
VALUES ('Rosa & Luis Ortega', 'R+L', '1 2', '20-21', '9C', 1);
INSERT INTO Agents (fdName, fdInitial, fdAssigned)
VALUES ('Anthony Russo', 'AR', '1 2');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAll)
VALUES ('Sharon Pike', 'SP', '1 2', '16 28');
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAM, fdOffPM2)
VALUES ('Gregory Lund', 'GL', '1 2', '5', '5');
