# Tests of util/time.
