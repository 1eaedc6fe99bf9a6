<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>explorer::ShowerExplorer</name>
    <message>
        <source>Shower</source>
        <translation>Jerba</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Valori</translation>
    </message>
    <message>
        <source>Longitudinal profile</source>
        <translation>Profilul longitudinal</translation>
    </message>
    <message>
        <source>Muons</source>
        <translation>Miuoni</translation>
    </message>
    <message>
        <source>⟨X&lt;sub&gt;max&lt;/sub&gt;⟩ ± σ</source>
        <translation>⟨X&lt;sub&gt;max&lt;/sub&gt;⟩ ± σ</translation>
    </message>
    <message>
        <source>X&lt;sub&gt;max&lt;/sub&gt; of this shower</source>
        <translation>X&lt;sub&gt;max&lt;/sub&gt; al acestei jerbe</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Solul</translation>
    </message>
    <message>
        <source>Slant depth (g/cm²)</source>
        <translation>Adâncime oblică (g/cm²)</translation>
    </message>
    <message>
        <source>Number of particles</source>
        <translation>Numărul de particule</translation>
    </message>
    <message>
        <source>East–West</source>
        <translation>Est-Vest</translation>
    </message>
    <message>
        <source>North–South</source>
        <translation>Nord-Sud</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Time (ns)</source>
        <translation>Timp (ns)</translation>
    </message>
    <message>
        <source>Field (µV/m)</source>
        <translation>Câmp (µV/m)</translation>
    </message>
    <message>
        <source>Pulse at the chosen antenna</source>
        <translation>Pulsul la antena aleasă</translation>
    </message>
    <message>
        <source>Ground footprint</source>
        <translation>Amprenta la sol</translation>
    </message>
    <message>
        <source>Export image</source>
        <translation>Exportă imaginea</translation>
    </message>
    <message>
        <source>Export the profile as an image</source>
        <translation>Exportă profilul ca imagine</translation>
    </message>
    <message>
        <source>Export the pulse as an image</source>
        <translation>Exportă pulsul ca imagine</translation>
    </message>
    <message>
        <source>Export the footprint as an image</source>
        <translation>Exportă amprenta la sol ca imagine</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>Primary particle</source>
        <translation>Particula primară</translation>
    </message>
    <message>
        <source>proton (p)</source>
        <translation>proton (p)</translation>
    </message>
    <message>
        <source>helium (He)</source>
        <translation>heliu (He)</translation>
    </message>
    <message>
        <source>nitrogen (N)</source>
        <translation>azot (N)</translation>
    </message>
    <message>
        <source>iron (Fe)</source>
        <translation>fier (Fe)</translation>
    </message>
    <message>
        <source>Hadronic model</source>
        <translation>Model hadronic</translation>
    </message>
    <message>
        <source>Zenith angle</source>
        <translation>Unghi zenital</translation>
    </message>
    <message>
        <source>Arrival azimuth</source>
        <translation>Azimutul sosirii</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Locul</translation>
    </message>
    <message>
        <source>Northern array (sea level)</source>
        <translation>Rețeaua din nord (nivelul mării)</translation>
    </message>
    <message>
        <source>New shower</source>
        <translation>Jerbă nouă</translation>
    </message>
    <message>
        <source>Draws this shower&apos;s X_max from its distribution</source>
        <translation>Alege X_max al acestei jerbe la întâmplare, după distribuția sa</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetare</translation>
    </message>
    <message>
        <source>Restores the starting settings and the mean X_max</source>
        <translation>Revine la valorile de început și la X_max mediu</translation>
    </message>
    <message>
        <source>Mean ⟨X&lt;sub&gt;max&lt;/sub&gt;⟩ ± σ</source>
        <translation>Media ⟨X&lt;sub&gt;max&lt;/sub&gt;⟩ ± σ</translation>
    </message>
    <message>
        <source>Height of X&lt;sub&gt;max&lt;/sub&gt; above sea level</source>
        <translation>Altitudinea lui X&lt;sub&gt;max&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Distance from X&lt;sub&gt;max&lt;/sub&gt; to the core</source>
        <translation>Distanța de la X&lt;sub&gt;max&lt;/sub&gt; la centrul jerbei</translation>
    </message>
    <message>
        <source>Muons at the ground</source>
        <translation>Miuoni la sol</translation>
    </message>
    <message>
        <source>Geomagnetic angle α</source>
        <translation>Unghi geomagnetic α</translation>
    </message>
    <message>
        <source>Charge-excess fraction</source>
        <translation>Fracția excesului de sarcină</translation>
    </message>
    <message>
        <source>Cherenkov angle</source>
        <translation>Unghiul Cherenkov</translation>
    </message>
    <message>
        <source>Cherenkov ring radius</source>
        <translation>Raza inelului Cherenkov</translation>
    </message>
    <message>
        <source>Radiation energy</source>
        <translation>Energia radiată</translation>
    </message>
    <message>
        <source>Largest peak field on the ground</source>
        <translation>Cel mai mare câmp de vârf la sol</translation>
    </message>
    <message>
        <source>Footprint area above %1</source>
        <translation>Aria amprentei peste %1</translation>
    </message>
    <message>
        <source>Export numbers (CSV)</source>
        <translation>Exportă valorile (CSV)</translation>
    </message>
    <message>
        <source>Export the numbers and the series as CSV</source>
        <translation>Exportă valorile și seriile ca CSV</translation>
    </message>
    <message>
        <source>%1 mV/m</source>
        <translation>%1 mV/m</translation>
    </message>
    <message>
        <source>%1 µV/m</source>
        <translation>%1 µV/m</translation>
    </message>
    <message>
        <source>east</source>
        <translation>est</translation>
    </message>
    <message>
        <source>west</source>
        <translation>vest</translation>
    </message>
    <message>
        <source>north</source>
        <translation>nord</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sud</translation>
    </message>
    <message>
        <source>at the core</source>
        <translation>în centrul jerbei</translation>
    </message>
    <message>
        <source>%1 m %2 of the core</source>
        <translation>la %1 m %2 de centrul jerbei</translation>
    </message>
    <message>
        <source>%1 m %2 and %3 m %4 of the core</source>
        <translation>la %1 m %2 și %3 m %4 de centrul jerbei</translation>
    </message>
    <message>
        <source>10 to the power %1 electronvolts, %2 %3</source>
        <translation>10 la puterea %1 electronvolți, %2 %3</translation>
    </message>
    <message>
        <source>%1 degrees from the vertical</source>
        <translation>%1 grade față de verticală</translation>
    </message>
    <message>
        <source>from the east</source>
        <translation>dinspre est</translation>
    </message>
    <message>
        <source>from the north-east</source>
        <translation>dinspre nord-est</translation>
    </message>
    <message>
        <source>from the north</source>
        <translation>dinspre nord</translation>
    </message>
    <message>
        <source>from the north-west</source>
        <translation>dinspre nord-vest</translation>
    </message>
    <message>
        <source>from the west</source>
        <translation>dinspre vest</translation>
    </message>
    <message>
        <source>from the south-west</source>
        <translation>dinspre sud-vest</translation>
    </message>
    <message>
        <source>from the south</source>
        <translation>dinspre sud</translation>
    </message>
    <message>
        <source>from the south-east</source>
        <translation>dinspre sud-est</translation>
    </message>
    <message>
        <source>%1 degrees from the east, counter-clockwise: %2</source>
        <translation>%1 grade de la est, în sens trigonometric: %2</translation>
    </message>
    <message>
        <source>Maximum at %1 g/cm², %2 km above the ground; the mean is %3 ± %4 g/cm²; the ground lies at %5 g/cm² along the axis.</source>
        <translation>Maximul la %1 g/cm², la %2 km deasupra solului; media este %3 ± %4 g/cm²; solul se află la %5 g/cm² de-a lungul axei.</translation>
    </message>
    <message>
        <source>The footprint is brightest %1 at %2; the Cherenkov ring has a radius of %3 m; the chosen antenna is %4.</source>
        <translation>Amprenta la sol este cea mai puternică %1, cu %2; inelul Cherenkov are raza de %3 m; antena aleasă este %4.</translation>
    </message>
    <message>
        <source>Pulse %1</source>
        <translation>Pulsul %1</translation>
    </message>
    <message>
        <source>Pulse %1: peaks of %2 east–west, %3 north–south and %4 vertical.</source>
        <translation>Pulsul %1: vârfuri de %2 pe canalul Est-Vest, %3 pe canalul Nord-Sud și %4 pe canalul vertical.</translation>
    </message>
    <message>
        <source>%1 g/cm²</source>
        <translation>%1 g/cm²</translation>
    </message>
    <message>
        <source>%1 ± %2 g/cm²</source>
        <translation>%1 ± %2 g/cm²</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>%1 MeV</source>
        <translation>%1 MeV</translation>
    </message>
    <message>
        <source>%1 km²</source>
        <translation>%1 km²</translation>
    </message>
    <message>
        <source>Save numbers</source>
        <translation>Salvare valori</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fișiere CSV (*.csv)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
    <message>
        <source>The numbers could not be saved.</source>
        <translation>Valorile nu au putut fi salvate.</translation>
    </message>
    <message>
        <source>East of the core (m)</source>
        <translation>Spre est de centrul jerbei (m)</translation>
    </message>
    <message>
        <source>North of the core (m)</source>
        <translation>Spre nord de centrul jerbei (m)</translation>
    </message>
    <message>
        <source>N</source>
        <comment>compass: north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <comment>compass: east</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>Energy fluence (eV/m²)</source>
        <translation>Fluența energiei (eV/m²)</translation>
    </message>
    <message>
        <source>Lines: horizontal field. Circles: vertical field (dot up, cross down). Amber ring: chosen antenna.</source>
        <translation>Linii: câmpul orizontal. Cercuri: câmpul vertical (punct în sus, cruce în jos). Inel galben: antena aleasă.</translation>
    </message>
    <message>
        <source>Charged</source>
        <translation>Încărcate</translation>
    </message>
    <message>
        <source>This shower</source>
        <translation>Această jerbă</translation>
    </message>
    <message>
        <source>The footprint&apos;s fall-off away from the ring is illustrative, not a fitted parametrisation.</source>
        <translation>Scăderea amprentei în afara inelului este ilustrativă, nu o parametrizare ajustată pe date.</translation>
    </message>
    <message>
        <source>Southern radio array (1550 m)</source>
        <translation>Rețeaua radio din sud (1550 m)</translation>
    </message>
    <message>
        <source>N&lt;sub&gt;max&lt;/sub&gt;, charged particles</source>
        <translation>N&lt;sub&gt;max&lt;/sub&gt;, particule încărcate</translation>
    </message>
    <message>
        <source>Electrons at the ground</source>
        <translation>Electroni la sol</translation>
    </message>
</context>
</TS>
