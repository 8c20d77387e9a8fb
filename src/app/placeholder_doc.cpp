// Keeps the library non-empty while its folders fill up.
