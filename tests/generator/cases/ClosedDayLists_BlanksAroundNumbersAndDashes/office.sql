-- Lists/ClosedDayLists.RemoveEveryLetterOfTheClosedDays/2
-- The only agent (ZZ) works at no existing site, so every open slot comes out as AGT? and no message about
-- missing agents is due.
-- The site has every slot letter on every weekday; fill order: Sunday A..H, Saturday A..H, G then H on
-- Monday to Friday, then D, E, F, A, B and C on Monday to Friday.
-- A closed-day list removes every letter of the closed days: " 5 10 - 12  20 " closes the 5th, 10th to 12th
-- and 20th.

INSERT INTO Sites (fdSNum, fdSName, fdSClose, fdLink,
                   fdAM1, fdAM2, fdAM3, fdAM4, fdAM5, fdAM6, fdAM7,
                   fdPM1, fdPM2, fdPM3, fdPM4, fdPM5, fdPM6, fdPM7,
                   fdEV1, fdEV2, fdEV3, fdEV4, fdEV5, fdEV6, fdEV7)
VALUES (1, 'North', ' 5 10 - 12  20 ', NULL,
        2, 2, 2, 2, 2, 2, 2,        -- mornings (A, B), Sunday to Saturday
        4, 4, 4, 4, 4, 4, 4,        -- afternoons (C to F)
        2, 2, 2, 2, 2, 2, 2);       -- evenings (G, H)
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent ZZ', 'ZZ', '9');
