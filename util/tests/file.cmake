# Tests of util/file.
