-- Driver.EmptySitesAndAgentsTablesAreBothReportedBeforeTheIndexError
-- An empty office: empty Sites and Agents tables are both reported before the index error, and nothing is
-- written.

-- No sites and no agents.
