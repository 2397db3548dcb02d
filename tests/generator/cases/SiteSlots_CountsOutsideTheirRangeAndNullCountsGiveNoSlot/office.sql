-- SiteSlots.CountsOutsideTheirRangeAndNullCountsGiveNoSlot
-- The only agent (ZZ) works at no existing site, so every open slot comes out as AGT? and no message about
-- missing agents is due.
-- Counts outside their range (3 mornings on Monday, -1 on Saturday, 5 afternoons on Thursday, 3 evenings on
-- Wednesday) and Null counts give no slot.

INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (1, 'North', NULL, NULL,
        NULL, 3, 0, 0, 0, 0, -1,    -- mornings (A, B), Sunday to Saturday
        0, 0, 4, 0, 5, NULL, 0,     -- afternoons (C to F)
        0, 0, 0, 3, 0, 2, NULL);    -- evenings (G, H)
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent ZZ', 'ZZ', '9');
