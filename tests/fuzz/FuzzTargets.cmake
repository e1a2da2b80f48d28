# SPDX-FileCopyrightText: The Hushvault developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The fuzz targets, one per reader of outside input; read by the fuzz tree that builds them
# and by the test tree that runs each briefly. Each has a seed corpus in corpus/<target>.
set(HV_FUZZ_TARGETS
    fuzz_token
    fuzz_base64
    fuzz_link_acceptance
    fuzz_token_parsing
    fuzz_property_lists
    fuzz_draft
    fuzz_vcard
    fuzz_outbox
    fuzz_segments
    fuzz_backup
)
