target_sources(kelvo_server PRIVATE)
