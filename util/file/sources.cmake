target_sources(kelvo_util PRIVATE)
