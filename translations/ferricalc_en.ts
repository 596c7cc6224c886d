<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AdvisorWindow</name>
    <message>
        <source>磁芯选型</source>
        <translation>Core selection</translation>
    </message>
    <message>
        <source>要求</source>
        <translation>Requirement</translation>
    </message>
    <message>
        <source>电感 L</source>
        <translation>Inductance L</translation>
    </message>
    <message>
        <source>峰值电流 Î</source>
        <translation>Peak current Î</translation>
    </message>
    <message>
        <source>纹波 ΔI</source>
        <translation>Ripple ΔI</translation>
    </message>
    <message>
        <source>频率 f</source>
        <translation>Frequency f</translation>
    </message>
    <message>
        <source>占空比 D</source>
        <translation>Duty cycle D</translation>
    </message>
    <message>
        <source>磁芯温度</source>
        <translation>Core temperature</translation>
    </message>
    <message>
        <source>限值</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>温升 ΔT 至多</source>
        <translation>Rise ΔT at most</translation>
    </message>
    <message>
        <source>B̂max 至多</source>
        <translation>B̂max at most</translation>
    </message>
    <message>
        <source>窗口填充至多</source>
        <translation>Window fill at most</translation>
    </message>
    <message>
        <source>体积最小</source>
        <translation>Smallest volume</translation>
    </message>
    <message>
        <source>损耗最小</source>
        <translation>Lowest loss</translation>
    </message>
    <message>
        <source>质量最小</source>
        <translation>Lightest</translation>
    </message>
    <message>
        <source>排序</source>
        <translation>Rank by</translation>
    </message>
    <message>
        <source>磁芯类型</source>
        <translation>Core type</translation>
    </message>
    <message>
        <source>材料</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>总损耗与体积（红：没有别的设计既更小又更凉）</source>
        <translation>Total loss against volume (red: no other design is both smaller and cooler)</translation>
    </message>
    <message>
        <source>磁芯</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>气隙 mm</source>
        <translation>Gap mm</translation>
    </message>
    <message>
        <source>线径 mm</source>
        <translation>Wire mm</translation>
    </message>
    <message>
        <source>磁芯损耗 W</source>
        <translation>Core loss W</translation>
    </message>
    <message>
        <source>铜损 W</source>
        <translation>Copper loss W</translation>
    </message>
    <message>
        <source>质量 g</source>
        <translation>Mass g</translation>
    </message>
    <message>
        <source>结论</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>总损耗 / W</source>
        <translation>Total loss / W</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>AlGapPlot</name>
    <message>
        <source>气隙 %1 mm</source>
        <translation>gap %1 mm</translation>
    </message>
    <message>
        <source>无气隙</source>
        <translation>ungapped</translation>
    </message>
    <message>
        <source>厂家公布值
</source>
        <translation>Published by makers
</translation>
    </message>
    <message>
        <source>气隙 lg / mm</source>
        <translation>Gap lg / mm</translation>
    </message>
    <message>
        <source>计边缘磁通</source>
        <translation>with fringing</translation>
    </message>
    <message>
        <source>不计边缘磁通</source>
        <translation>without fringing</translation>
    </message>
    <message>
        <source>%1：%2，AL %3 nH</source>
        <translation>%1: %2, AL %3 nH</translation>
    </message>
</context>
<context>
    <name>CalculatorWindow</name>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>设计…</source>
        <translation>Design…</translation>
    </message>
    <message>
        <source>由计算所得的磁芯求 AL、气隙、匝数、电感和磁通密度</source>
        <translation>AL, gap, turns, inductance and flux density of the calculated core</translation>
    </message>
    <message>
        <source>上次计算的结果</source>
        <translation>Result of the previous Calculate</translation>
    </message>
    <message>
        <source>复制结果</source>
        <translation>Copy results</translation>
    </message>
    <message>
        <source>磁芯类型</source>
        <translation>Core type</translation>
    </message>
</context>
<context>
    <name>CatalogPanel</name>
    <message>
        <source>标准型号:</source>
        <translation>Standard core:</translation>
    </message>
    <message>
        <source>保存为自定义型号…</source>
        <translation>Save as own core…</translation>
    </message>
    <message>
        <source>重命名自定义型号…</source>
        <translation>Rename own core…</translation>
    </message>
    <message>
        <source>删除自定义型号…</source>
        <translation>Delete own core…</translation>
    </message>
    <message>
        <source>右键菜单：保存为自定义型号（Ctrl+S）、重命名、删除</source>
        <translation>Context menu: save as own core (Ctrl+S), rename, delete</translation>
    </message>
    <message>
        <source>上次计算成功的尺寸</source>
        <translation>Dimensions of the last successful Calculate</translation>
    </message>
    <message>
        <source>自定义型号（无数据手册）</source>
        <translation>Own core (no data sheet)</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>上次计算</source>
        <translation>Last calculated</translation>
    </message>
    <message>
        <source>—— 自定义型号 ——</source>
        <translation>—— Own cores ——</translation>
    </message>
    <message>
        <source>型号名称</source>
        <translation>Core name</translation>
    </message>
    <message>
        <source>输入自定义型号的名称，Enter 保存当前尺寸，Esc 取消</source>
        <translation>Type a name for the core; Enter saves the dimensions, Esc cancels</translation>
    </message>
    <message>
        <source>输入新名称，Enter 确定，Esc 取消</source>
        <translation>Type the new name; Enter confirms, Esc cancels</translation>
    </message>
    <message>
        <source>名称不能为空；Esc 取消</source>
        <translation>The name cannot be empty; Esc cancels</translation>
    </message>
    <message>
        <source>未保存：</source>
        <translation>Not saved: </translation>
    </message>
    <message>
        <source>已有自定义型号“%1”；再按 Enter 覆盖，Esc 取消</source>
        <translation>An own core “%1” exists; Enter again replaces it, Esc cancels</translation>
    </message>
    <message>
        <source>已保存为自定义型号“%1”</source>
        <translation>Saved as own core “%1”</translation>
    </message>
    <message>
        <source>“%1”已改名为“%2”</source>
        <translation>“%1” renamed to “%2”</translation>
    </message>
    <message>
        <source>删除自定义型号“%1”？ &lt;a href=&quot;delete&quot;&gt;删除&lt;/a&gt;&#x3000;&lt;a href=&quot;keep&quot;&gt;保留&lt;/a&gt;</source>
        <translation>Delete own core “%1”? &lt;a href=&quot;delete&quot;&gt;Delete&lt;/a&gt;  &lt;a href=&quot;keep&quot;&gt;Keep&lt;/a&gt;</translation>
    </message>
    <message>
        <source>已删除自定义型号“%1”；尺寸仍在各栏中，可再保存</source>
        <translation>Own core “%1” deleted; its dimensions stay in the fields and can be saved again</translation>
    </message>
    <message>
        <source>数据手册: 无</source>
        <translation>Data sheet: none</translation>
    </message>
    <message>
        <source>数据手册: </source>
        <translation>Data sheet: </translation>
    </message>
    <message>
        <source>
偏差: </source>
        <translation>
Deviation: </translation>
    </message>
</context>
<context>
    <name>DesignField</name>
    <message>
        <source>不能超过 %1</source>
        <translation>at most %1</translation>
    </message>
    <message>
        <source>不能小于 %1</source>
        <translation>at least %1</translation>
    </message>
</context>
<context>
    <name>DesignWindow</name>
    <message>
        <source>未能导出 %1：%2</source>
        <translation>Could not export %1: %2</translation>
    </message>
    <message>
        <source>磁路设计 — %1</source>
        <translation>Magnetic design — %1</translation>
    </message>
    <message>
        <source>磁芯</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>磁芯&#x3000;%1</source>
        <translation>Core  %1</translation>
    </message>
    <message>
        <source>材料</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>磁路与饱和</source>
        <translation>Magnetics and saturation</translation>
    </message>
    <message>
        <source>损耗与温升</source>
        <translation>Losses and temperature rise</translation>
    </message>
    <message>
        <source>波形</source>
        <translation>Waveform</translation>
    </message>
    <message>
        <source>已导出 %1</source>
        <translation>Exported %1</translation>
    </message>
    <message>
        <source>导出 PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>电感系数与气隙</source>
        <translation>Inductance factor against gap</translation>
    </message>
    <message>
        <source>选型…</source>
        <translation>Select core…</translation>
    </message>
    <message>
        <source>按此电感的要求为每种标准磁芯设计并排序</source>
        <translation>Design this inductor on every standard core and rank them</translation>
    </message>
    <message>
        <source>复制设计</source>
        <translation>Copy design</translation>
    </message>
    <message>
        <source>打开设计…</source>
        <translation>Open design…</translation>
    </message>
    <message>
        <source>保存设计…</source>
        <translation>Save design…</translation>
    </message>
    <message>
        <source>导出 PDF…</source>
        <translation>Export PDF…</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>打开、保存设计文件（Ctrl+O、Ctrl+S），导出 PDF 报告</source>
        <translation>Open and save design files (Ctrl+O, Ctrl+S), export a PDF report</translation>
    </message>
    <message>
        <source>磁通经过一次的气隙总长；范围 %1 – %2</source>
        <translation>Total gap the flux crosses once; range %1 – %2</translation>
    </message>
    <message>
        <source>磁芯（设计按背板径向磁通）</source>
        <translation>Core (back plate with radial flux)</translation>
    </message>
    <message>
        <source>范围 %1 – %2</source>
        <translation>Range %1 – %2</translation>
    </message>
    <message>
        <source>不能超过窗</source>
        <translation>at most win</translation>
    </message>
    <message>
        <source>有效磁路长度</source>
        <translation>Effective magnetic path length</translation>
    </message>
    <message>
        <source>有效截面积</source>
        <translation>Effective cross-section</translation>
    </message>
    <message>
        <source>有效体积</source>
        <translation>Effective volume</translation>
    </message>
    <message>
        <source>磁通经过的最小截面积</source>
        <translation>Smallest cross-section the flux passes</translation>
    </message>
    <message>
        <source>一个绕线窗口的面积</source>
        <translation>Area of one winding window</translation>
    </message>
    <message>
        <source>面积积 Ap = Ae·Aw</source>
        <translation>Area product Ap = Ae·Aw</translation>
    </message>
    <message>
        <source>质量</source>
        <translation>Mass</translation>
    </message>
    <message>
        <source>Ve × 材料密度；材料未给密度时无此值</source>
        <translation>Ve × the material&apos;s density; none when the material gives no density</translation>
    </message>
    <message>
        <source>（）内为计算器的值</source>
        <translation>( ) calculator&apos;s figures</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>损耗：按厂商曲线拟合</source>
        <translation>Losses: fitted to the maker&apos;s curves</translation>
    </message>
    <message>
        <source>损耗：厂商公布的拟合</source>
        <translation>Losses: the maker&apos;s published fit</translation>
    </message>
    <message>
        <source>无损耗拟合</source>
        <translation>No loss fit</translation>
    </message>
    <message>
        <source>损耗拟合与厂商曲线有出入</source>
        <translation>The loss fit departs from the maker&apos;s curves</translation>
    </message>
    <message>
        <source>存疑：</source>
        <translation>Doubtful: </translation>
    </message>
    <message>
        <source>数据来源：OpenMagnetics MAS 与厂商数据手册</source>
        <translation>Sources: OpenMagnetics MAS and the makers&apos; data sheets</translation>
    </message>
    <message>
        <source>初始磁导率 µi</source>
        <translation>Initial permeability µi</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>密度</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>气隙</source>
        <translation>Gap</translation>
    </message>
    <message>
        <source>气隙 lg</source>
        <translation>Gap lg</translation>
    </message>
    <message>
        <source>全部柱</source>
        <translation>all legs</translation>
    </message>
    <message>
        <source>%1：只在%1磨出气隙；全部柱：垫片使每个柱都有此气隙</source>
        <translation>%1: the gap is ground into the %1 only; all legs: a spacer gives every leg this gap</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Where</translation>
    </message>
    <message>
        <source>由 AL 求气隙</source>
        <translation>Gap from AL</translation>
    </message>
    <message>
        <source>目标 AL</source>
        <translation>Target AL</translation>
    </message>
    <message>
        <source>用作气隙</source>
        <translation>Use as gap</translation>
    </message>
    <message>
        <source>把求得的气隙填入气隙 lg</source>
        <translation>Put the gap found into Gap lg</translation>
    </message>
    <message>
        <source>所需气隙</source>
        <translation>Gap needed</translation>
    </message>
    <message>
        <source>电感系数</source>
        <translation>Inductance factor</translation>
    </message>
    <message>
        <source>Mühlethaler 等的三维气隙磁阻模型计入气隙边缘磁通</source>
        <translation>Fringing flux by the 3-D gap reluctance model of Mühlethaler et al.</translation>
    </message>
    <message>
        <source>AL（计边缘磁通）</source>
        <translation>AL (with fringing)</translation>
    </message>
    <message>
        <source>气隙截面取柱的截面，不计边缘磁通</source>
        <translation>The gap&apos;s section taken as the leg&apos;s, no fringing</translation>
    </message>
    <message>
        <source>AL（不计边缘磁通）</source>
        <translation>AL (no fringing)</translation>
    </message>
    <message>
        <source>µe（计边缘磁通）</source>
        <translation>µe (with fringing)</translation>
    </message>
    <message>
        <source>µe（不计边缘磁通）</source>
        <translation>µe (no fringing)</translation>
    </message>
    <message>
        <source>µe（计 / 不计）</source>
        <translation>µe (with / without)</translation>
    </message>
    <message>
        <source>有效磁导率 AL·C1/µ0：计边缘磁通 / 不计边缘磁通</source>
        <translation>Effective permeability AL·C1/µ0: with fringing / without fringing</translation>
    </message>
    <message>
        <source>两半磁芯磨平的接合面从不完全贴合：每个接合面按 %1 mm 的空气隙计，与磁芯串联（中柱气隙也长这么多）；厂家的无气隙 AL 按此模型反推为 1–6 µm。未切开的磁环没有接合面，为 0。</source>
        <translation>The ground faces of two core halves never meet perfectly: each joint counts as an air gap of %1 mm in series with the core (the centre-leg gap grows by as much); the makers&apos; ungapped AL gives 1–6 µm by this model. An uncut ring has no joint: 0.</translation>
    </message>
    <message>
        <source>AL（无气隙）</source>
        <translation>AL (ungapped)</translation>
    </message>
    <message>
        <source>不磨气隙的磁芯：µ0 / (C1/µi + 剩余气隙的磁阻)</source>
        <translation>Core without a ground gap: µ0 / (C1/µi + reluctance of the residual gap)</translation>
    </message>
    <message>
        <source>AL（理想无气隙）</source>
        <translation>AL (ideal, no gap)</translation>
    </message>
    <message>
        <source>µ0·µi / C1：两半磁芯完全贴合、没有剩余气隙时的上限，仅供对照</source>
        <translation>µ0·µi / C1: the limit with halves meeting perfectly and no residual gap, for comparison only</translation>
    </message>
    <message>
        <source>剩余气隙</source>
        <translation>Residual gap</translation>
    </message>
    <message>
        <source>绕组与磁通密度</source>
        <translation>Winding and flux density</translation>
    </message>
    <message>
        <source>匝数 N</source>
        <translation>Turns N</translation>
    </message>
    <message>
        <source>电感 L</source>
        <translation>Inductance L</translation>
    </message>
    <message>
        <source>求达到此电感的最少整数匝</source>
        <translation>The fewest whole turns that reach this inductance</translation>
    </message>
    <message>
        <source>→ 匝数</source>
        <translation>→ Turns</translation>
    </message>
    <message>
        <source>→ 电感 AL·N²</source>
        <translation>→ Inductance AL·N²</translation>
    </message>
    <message>
        <source>峰值电流 Î</source>
        <translation>Peak current Î</translation>
    </message>
    <message>
        <source>最窄截面处：B̂·Ae / Amin</source>
        <translation>At the narrowest section: B̂·Ae / Amin</translation>
    </message>
    <message>
        <source>磁路中最大的磁通密度，据此判断饱和：Ae 与 Amin 处的较大者；磁环在内径处最大（磁场强度与半径成反比）</source>
        <translation>The highest flux density in the path, which decides saturation: the larger of those at Ae and at Amin; a ring&apos;s is highest at its inner diameter (the field falls with the radius)</translation>
    </message>
    <message>
        <source>饱和电流 Isat</source>
        <translation>Saturation current Isat</translation>
    </message>
    <message>
        <source>B̂max 达到 Bsat（100 °C）时的峰值电流</source>
        <translation>Peak current at which B̂max reaches Bsat (100 °C)</translation>
    </message>
    <message>
        <source>储能 ½·L·Î²</source>
        <translation>Energy ½·L·Î²</translation>
    </message>
    <message>
        <source>公布值 %1</source>
        <translation>Published %1</translation>
    </message>
    <message>
        <source>公布值（其他材料）</source>
        <translation>Published (other materials)</translation>
    </message>
    <message>
        <source>ferricalc 设计 (*.ferricalc)</source>
        <translation>ferricalc designs (*.ferricalc)</translation>
    </message>
    <message>
        <source>格式版本 %1 的新内容</source>
        <translation>what format version %1 adds</translation>
    </message>
    <message>
        <source>未能保存 %1：%2</source>
        <translation>Could not save %1: %2</translation>
    </message>
    <message>
        <source>已保存到 %1</source>
        <translation>Saved to %1</translation>
    </message>
    <message>
        <source>未能打开 %1：%2</source>
        <translation>Could not open %1: %2</translation>
    </message>
    <message>
        <source>%1 的尺寸不能计算：见 %2 的计算窗口</source>
        <translation>The dimensions in %1 do not calculate: see the %2 calculator window</translation>
    </message>
    <message>
        <source>已打开 %1，忽略了：%2</source>
        <translation>Opened %1, leaving out: %2</translation>
    </message>
    <message>
        <source>已打开 %1</source>
        <translation>Opened %1</translation>
    </message>
    <message>
        <source>保存设计</source>
        <translation>Save design</translation>
    </message>
    <message>
        <source>打开设计</source>
        <translation>Open design</translation>
    </message>
    <message>
        <source>交流磁通密度的峰值：L·ΔI / (2·N·Ae)，三角波为 ΔB 的一半</source>
        <translation>Peak of the AC flux density: L·ΔI / (2·N·Ae), half of ΔB for a triangle wave</translation>
    </message>
    <message>
        <source>单位体积的磁芯损耗：正弦按 Steinmetz 式，三角波按 iGSE</source>
        <translation>Core loss per volume: Steinmetz&apos;s equation for a sine, the iGSE for a triangle wave</translation>
    </message>
    <message>
        <source>磁芯损耗</source>
        <translation>Core loss</translation>
    </message>
    <message>
        <source>平均匝长 MLT</source>
        <translation>Mean turn length MLT</translation>
    </message>
    <message>
        <source>绕组填满中柱四周的窗口时一匝的平均长度</source>
        <translation>Mean length of a turn when the winding fills the window round the centre leg</translation>
    </message>
    <message>
        <source>直流电阻 R_dc</source>
        <translation>DC resistance R_dc</translation>
    </message>
    <message>
        <source>磁芯温度下铜线的直流电阻</source>
        <translation>DC resistance of the copper at the core&apos;s temperature</translation>
    </message>
    <message>
        <source>铜损</source>
        <translation>Copper loss</translation>
    </message>
    <message>
        <source>窗口填充率</source>
        <translation>Window fill</translation>
    </message>
    <message>
        <source>漆包线（IEC 60317 1 级）所占绕线窗口的比例</source>
        <translation>Share of the winding window the enamelled wire (IEC 60317 grade 1) takes</translation>
    </message>
    <message>
        <source>热阻 Rth</source>
        <translation>Thermal resistance Rth</translation>
    </message>
    <message>
        <source>静止空气中：Rth = 53·Ve^−0.54（Ve 以 cm³ 计，Maniktala 的经验式）</source>
        <translation>In still air: Rth = 53·Ve^−0.54 (Ve in cm³, Maniktala&apos;s empirical rule)</translation>
    </message>
    <message>
        <source>温升 ΔT</source>
        <translation>Temperature rise ΔT</translation>
    </message>
    <message>
        <source>Rth × (磁芯损耗 + 铜损)</source>
        <translation>Rth × (core loss + copper loss)</translation>
    </message>
    <message>
        <source>工作条件</source>
        <translation>Operating conditions</translation>
    </message>
    <message>
        <source>频率 f</source>
        <translation>Frequency f</translation>
    </message>
    <message>
        <source>正弦</source>
        <translation>Sine</translation>
    </message>
    <message>
        <source>三角波</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>磁通的波形：三角波即降压、升压变换器中电感的电流纹波</source>
        <translation>The flux&apos;s waveform: a triangle is an inductor&apos;s current ripple in a buck or boost converter</translation>
    </message>
    <message>
        <source>占空比 D</source>
        <translation>Duty cycle D</translation>
    </message>
    <message>
        <source>纹波 ΔI</source>
        <translation>Ripple ΔI</translation>
    </message>
    <message>
        <source>电流纹波的峰峰值；峰值电流 Î 不变，直流电流为 Î − ΔI/2</source>
        <translation>Peak-to-peak current ripple; the peak current Î stays, the DC current is Î − ΔI/2</translation>
    </message>
    <message>
        <source>磁芯温度</source>
        <translation>Core temperature</translation>
    </message>
    <message>
        <source>绕组导线</source>
        <translation>Winding wire</translation>
    </message>
    <message>
        <source>裸铜线径</source>
        <translation>Bare copper diameter</translation>
    </message>
    <message>
        <source>股数</source>
        <translation>Strands</translation>
    </message>
    <message>
        <source>磁芯损耗与磁通密度</source>
        <translation>Core loss against flux density</translation>
    </message>
    <message>
        <source>设计用更接近实际的磁路：背板按其宽度 H 上的径向磁通计算，Le、Ae、Ve 与厂家数据相差约 2 %；计算器窗口按标准公式算出的 C1、C2 及其 Le、Ae、Ve 写在括号内</source>
        <translation>The design uses a closer flux path: the back plate carries radial flux over its width H, and Le, Ae, Ve come within about 2 % of the makers&apos; data; the calculator window&apos;s C1, C2 and their Le, Ae, Ve by the standard formulas are in brackets</translation>
    </message>
    <message>
        <source>Bsat（100 °C）</source>
        <translation>Bsat (100 °C)</translation>
    </message>
    <message>
        <source>%1（%2，%3）</source>
        <translation>%1 (%2, %3)</translation>
    </message>
    <message>
        <source>B̂（Ae）</source>
        <translation>B̂ (Ae)</translation>
    </message>
    <message>
        <source>B̂（Amin）</source>
        <translation>B̂ (Amin)</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1，%2，%3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>R_dc × I_rms²，I_rms² = I_dc² + ΔI²/12</source>
        <translation>R_dc × I_rms², I_rms² = I_dc² + ΔI²/12</translation>
    </message>
</context>
<context>
    <name>SelectorWindow</name>
    <message>
        <source>请选择磁芯类型:</source>
        <translation>Choose a core type:</translation>
    </message>
    <message>
        <source>确 定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>退 出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>ferricalc 开发者 出品  ·  版本 %1</source>
        <translation>by the ferricalc developers  ·  version %1</translation>
    </message>
</context>
</TS>
