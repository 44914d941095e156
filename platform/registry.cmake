# Registry store.
target_sources(kelvo_platform PRIVATE)
