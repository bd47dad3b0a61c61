// Placeholder unit for a folder that has no sources yet.
