# Tests of util/date.
