// Carrier of the precompiled widget headers.
