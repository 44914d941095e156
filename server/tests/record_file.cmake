# Record-file layer tests.
