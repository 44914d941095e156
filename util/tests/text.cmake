# Tests of util/text.
