# Registry store tests.
