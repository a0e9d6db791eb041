// Placeholder so the target builds until the element objects land.
