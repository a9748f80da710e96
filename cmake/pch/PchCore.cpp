// Carrier of the precompiled core headers.
