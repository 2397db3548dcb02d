-- AgentLimit.NinetyNineRecordsWithATeamEndWithTheIndexError
-- The site is filled by the rules routine with no rule switched on, so an agent alone takes, pass after
-- pass, the first open slot of the fill order that it may take.
-- Ninety-nine records with a team (the last, Y+Z) make a hundred entries and end with the index error.

INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (1, 'North', NULL, NULL,
        1, 0, 0, 0, 0, 0, 0,        -- mornings (A, B), Sunday to Saturday
        0, 0, 0, 0, 0, 0, 0,        -- afternoons (C to F)
        0, 0, 0, 0, 0, 0, 0);       -- evenings (G, H)
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AA', 'AA', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AB', 'AB', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AC', 'AC', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AD', 'AD', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AE', 'AE', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AF', 'AF', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AG', 'AG', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AH', 'AH', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AI', 'AI', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AJ', 'AJ', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AK', 'AK', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AL', 'AL', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AM', 'AM', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AN', 'AN', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AO', 'AO', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AP', 'AP', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AQ', 'AQ', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AR', 'AR', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AS', 'AS', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AT', 'AT', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AU', 'AU', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AV', 'AV', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AW', 'AW', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AX', 'AX', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AY', 'AY', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AZ', 'AZ', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BA', 'BA', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BB', 'BB', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BC', 'BC', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BD', 'BD', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BE', 'BE', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BF', 'BF', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BG', 'BG', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BH', 'BH', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BI', 'BI', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BJ', 'BJ', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BK', 'BK', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BL', 'BL', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BM', 'BM', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BN', 'BN', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BO', 'BO', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BP', 'BP', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BQ', 'BQ', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BR', 'BR', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BS', 'BS', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BT', 'BT', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BU', 'BU', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BV', 'BV', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BW', 'BW', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BX', 'BX', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BY', 'BY', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent BZ', 'BZ', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CA', 'CA', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CB', 'CB', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CC', 'CC', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CD', 'CD', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CE', 'CE', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CF', 'CF', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CG', 'CG', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CH', 'CH', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CI', 'CI', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CJ', 'CJ', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CK', 'CK', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CL', 'CL', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CM', 'CM', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CN', 'CN', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CO', 'CO', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CP', 'CP', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CQ', 'CQ', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CR', 'CR', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CS', 'CS', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CT', 'CT', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CU', 'CU', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CV', 'CV', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CW', 'CW', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CX', 'CX', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CY', 'CY', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent CZ', 'CZ', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DA', 'DA', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DB', 'DB', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DC', 'DC', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DD', 'DD', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DE', 'DE', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DF', 'DF', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DG', 'DG', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DH', 'DH', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DI', 'DI', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DJ', 'DJ', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DK', 'DK', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DL', 'DL', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DM', 'DM', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DN', 'DN', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DO', 'DO', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DP', 'DP', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DQ', 'DQ', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DR', 'DR', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DS', 'DS', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DT', 'DT', '1');
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent DU', 'Y+Z', '1');
