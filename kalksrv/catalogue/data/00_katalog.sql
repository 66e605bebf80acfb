-- Identification of the sample catalogue.
INSERT INTO katalog_info (schluessel, wert) VALUES
    ('format', '1'),
    ('name', 'Musterkatalog Fensterbau'),
    ('sprache', 'de'),
    ('stand', '2026-12');
