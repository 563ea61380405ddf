// Tests are added with the code they cover.
