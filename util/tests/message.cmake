# Tests of util/message.
