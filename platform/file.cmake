# Files, folders, processes and the environment.
target_sources(kelvo_platform PRIVATE)
