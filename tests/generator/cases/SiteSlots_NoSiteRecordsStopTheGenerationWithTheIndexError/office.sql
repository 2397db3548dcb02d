-- SiteSlots.NoSiteRecordsStopTheGenerationWithTheIndexError
-- No site records stop the generation with the index error; the old 0123.4 is deleted and nothing is
-- written.

-- No sites.
INSERT INTO Agents (fdName, fdInitial, fdAssigned) VALUES ('Agent AN', 'AN', '1');
