-- ManualRequests.ARequestForASlotTheSiteLacksIsStillWritten
-- Sites are filled by the rules routine with no rule switched on (method 1).
-- A request for a slot the site lacks (3C; the site has Sunday mornings only, the 3rd is a Tuesday) is
-- still written.

INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (1, 'North', NULL, NULL,
        1, 0, 0, 0, 0, 0, 0,        -- mornings (A, B), Sunday to Saturday
        0, 0, 0, 0, 0, 0, 0,        -- afternoons (C to F)
        0, 0, 0, 0, 0, 0, 0);       -- evenings (G, H)
INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdManOn1, fdManSite1) VALUES ('Agent AN', 'AN', '1', '3C', 1);
