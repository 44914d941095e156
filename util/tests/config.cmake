# Tests of util/config.
