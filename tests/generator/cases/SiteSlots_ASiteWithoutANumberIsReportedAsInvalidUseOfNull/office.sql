-- SiteSlots.ASiteWithoutANumberIsReportedAsInvalidUseOfNull
-- A site without a number is reported as invalid use of Null.

INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (NULL, 'Nowhere', NULL, NULL,
        1, NULL, NULL, NULL, NULL, NULL, NULL, -- mornings (A, B), Sunday to Saturday
        NULL, NULL, NULL, NULL, NULL, NULL, NULL, -- afternoons (C to F)
        NULL, NULL, NULL, NULL, NULL, NULL, NULL); -- evenings (G, H)
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AN', 'AN', '1');
