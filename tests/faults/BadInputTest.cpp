int dummy_BadInputTest;
