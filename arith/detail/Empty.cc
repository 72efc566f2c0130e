// Placeholder translation unit for an otherwise empty library.
