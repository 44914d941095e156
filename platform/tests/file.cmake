# File layer tests.
